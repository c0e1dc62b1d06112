#include "cards/gpio_fmc_memory/FmcCards.h"
#include "cards/gpio_fmc_memory/FmcFamily.h"
#include "model/DaughterBoard.h"

namespace {

constexpr PinDirection kIn = PIN_DIR_INPUT;
constexpr PinDirection kOut = PIN_DIR_OUTPUT;
constexpr PinDirection kInout = PIN_DIR_INOUT;
constexpr RowStd kLvds = RowStdFixed(IOSTD_LVDS);
constexpr RowStd k2V5 = RowStdFixed(IOSTD_2V5);

// Four-port network card. Its LVDS negative members end in an upper-case N.
constexpr CardMapRow kParnelRows[] = {
    {"C10, C11, C14", "NET0_RX_D[3], NET0_RX_D[0], NET1_INTN", kIn, k2V5},
    {"C15, C18, C19, C22", "NET1_MDC, NET1_TX_EN, NET1_TX_D[0], NET1_TX_D[3]", kOut, k2V5},
    {"C23, C26, C27", "NET3_RX_CLK, NET3_RX_D[1], NET3_RX_D[0]", kIn, k2V5},
    {"C30, C31", "FMC_I2C_SCL, FMC_I2C_SDA", kInout, k2V5},
    {"C34", "FMC_GA[0]", kOut, k2V5},
    {"D8, D9", "NET0_GTX_CLK, NET1_GTX_CLK", kOut, k2V5},
    {"D11, D12", "NET0_RX_D[1], NET0_RX_DV", kIn, k2V5},
    {"D14", "NET1_RESETN", kOut, k2V5},
    {"D15", "NET1_MDIO", kInout, k2V5},
    {"D17", "NET0_TX_D[3]", kOut, k2V5},
    {"D18", "NET0_RX_CLK", kIn, k2V5},
    {"D20, D21", "NET1_TX_D[1], NET1_TX_D[2]", kOut, k2V5},
    {"D23, D24, D26, D27", "NET3_RX_ER, NET3_RX_DV, NET3_RX_D[2], NET3_RX_D[3]", kIn, k2V5},
    {"D35", "FMC_GA[1]", kOut, k2V5},
    {"E2, E6, E9, E12, E15", "NET2_S_CLKP, NET0_S_RX_P, NET1_S_RX_P, NET2_S_RX_P, NET3_S_RX_P", kIn,
     kLvds},
    {"E18", "NET0_RX_ER", kIn, k2V5},
    {"E19, E21, E22, E24", "NET0_TX_D[4], NET0_TX_D[6], NET0_TX_D[5], NET0_TX_D[7]", kOut, k2V5},
    {"E25, E27, E28, E30, E31, E33, E34",
     "NET1_RX_CRS, NET1_RX_COL, NET1_RX_D[7], NET1_RX_D[5], NET2_RX_CRS, NET2_RX_COL, NET2_RX_D[7]",
     kIn, k2V5},
    {"E36", "NET3_S_CLKP", kIn, kLvds},
    {"F4, F5", "NET0_RX_D[7], NET0_RX_D[4]", kIn, k2V5},
    {"F7, F10, F13, F16", "NET0_S_TX_P, NET1_S_TX_P, NET2_S_TX_P, NET3_S_TX_P", kOut, kLvds},
    {"F19", "NET2_TX_ER", kOut, k2V5},
    {"F20", "NET1_TX_CLK", kIn, k2V5},
    {"F22, F23", "NET1_TX_ER, NET2_TX_D[6]", kOut, k2V5},
    {"F25, F26", "NET1_RX_D[4], NET1_RX_D[6]", kIn, k2V5},
    {"F28, F29", "NET1_TX_D[4], NET1_TX_D[6]", kOut, k2V5},
    {"F31, F32, F34, F35, F37, F38",
     "NET2_RX_D[4], NET2_RX_D[6], NET2_RX_D[5], NET3_TX_CLK, NET3_RX_CRS, NET3_RX_COL", kIn, k2V5},
    {"G2, G6", "NET1_S_CLKP, NET0_S_CLKP", kIn, kLvds},
    {"G9, G10, G12, G13", "NET0_MDC, NET0_TX_D[2], NET0_TX_EN, NET0_TX_D[0]", kOut, k2V5},
    {"G15, G16", "NET1_RX_D[0], NET1_RX_CLK", kIn, k2V5},
    {"G18, G19, G21, G22, G24",
     "NET2_GTX_CLK, NET2_TX_D[0], NET2_TX_D[2], NET2_TX_D[3], NET2_RESETN", kOut, k2V5},
    {"G25", "NET2_MDIO", kInout, k2V5},
    {"G27", "NET3_INTN", kIn, k2V5},
    {"G28", "NET3_RESETN", kOut, k2V5},
    {"G30, G31, G33", "NET2_RX_D[3], NET2_RX_D[0], NET2_RX_DV", kIn, k2V5},
    {"G34, G36, G37", "NET3_TX_D[1], NET3_TX_EN, NET3_TX_D[2]", kOut, k2V5},
    {"H4", "NET0_INTN", kIn, k2V5},
    {"H7", "NET0_RESETN", kOut, k2V5},
    {"H8", "NET0_MDIO", kInout, k2V5},
    {"H10", "NET0_TX_D[1]", kOut, k2V5},
    {"H11, H13, H14, H16, H17", "NET0_RX_D[2], NET1_RX_D[3..1], NET1_RX_DV", kIn, k2V5},
    {"H19, H20, H22, H23", "NET2_TX_D[1], NET2_TX_EN, NET2_TX_D[4], NET2_TX_D[5]", kOut, k2V5},
    {"H25", "NET2_INTN", kIn, k2V5},
    {"H26", "NET2_MDC", kOut, k2V5},
    {"H28", "NET3_MDIO", kInout, k2V5},
    {"H29", "NET3_MDC", kOut, k2V5},
    {"H31, H32, H34", "NET2_RX_D[2], NET2_RX_D[1], NET2_RX_CLK", kIn, k2V5},
    {"H35, H37, H38", "NET3_GTX_CLK, NET3_TX_D[0], NET3_TX_D[3]", kOut, k2V5},
    {"J2, J3, J6, J7, J9, J10, J12, J13",
     "NET0_RX_CRS, NET0_RX_COL, NET0_RX_D[6], NET3_RX_D[7], NET0_RX_D[5], NET3_RX_D[4], "
     "NET0_TX_CLK, NET3_RX_D[6]",
     kIn, k2V5},
    {"J15", "NET0_TX_ER", kOut, k2V5},
    {"J16, J18", "NET3_RX_D[5], NET2_TX_CLK", kIn, k2V5},
    {"J19", "NET3_TX_D[4]", kOut, k2V5},
    {"J21", "NET1_RX_ER", kIn, k2V5},
    {"J22, J24, J25, J27, J30, J31",
     "NET3_TX_D[6], NET2_TX_D[7], NET3_TX_D[5], NET1_TX_D[5], NET1_TX_D[7], NET3_TX_D[7]", kOut,
     k2V5},
    {"J33", "NET2_RX_ER", kIn, k2V5},
    {"J36", "NET3_TX_ER", kOut, k2V5},
    {"K7, K8, K10, K11", "NET0_LINK1000, NET1_LINK1000, NET2_LINK1000, NET3_LINK1000", kIn, k2V5},
    // The negative members of the LVDS pairs.
    {"E3", "NET2_S_CLKN", kIn, kLvds},
    {"E7", "NET0_S_RX_N", kIn, kLvds},
    {"E10", "NET1_S_RX_N", kIn, kLvds},
    {"E13", "NET2_S_RX_N", kIn, kLvds},
    {"E16", "NET3_S_RX_N", kIn, kLvds},
    {"E37", "NET3_S_CLKN", kIn, kLvds},
    {"G3", "NET1_S_CLKN", kIn, kLvds},
    {"G7", "NET0_S_CLKN", kIn, kLvds},
    {"F8", "NET0_S_TX_N", kOut, kLvds},
    {"F11", "NET1_S_TX_N", kOut, kLvds},
    {"F14", "NET2_S_TX_N", kOut, kLvds},
    {"F17", "NET3_S_TX_N", kOut, kLvds},
};

} // namespace

void D_FMC_PARNEL(TDaughterBoard& card) {
    CardMapSlots slots(FMC_HPC_PIN_NUM);
    ExpandCardMap(slots, {"D_FMC_PARNEL", kParnelRows}, CardCodes{});
    fmc::JudgeMakerSlots(slots, FMC_PIN_NEG, 'N');
    AppendCardMap(card, slots);
}
