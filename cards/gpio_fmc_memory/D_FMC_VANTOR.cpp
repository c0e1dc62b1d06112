#include "cards/gpio_fmc_memory/FmcCards.h"
#include "cards/gpio_fmc_memory/FmcFamily.h"
#include "model/DaughterBoard.h"

namespace {

constexpr PinDirection kIn = PIN_DIR_INPUT;
constexpr PinDirection kOut = PIN_DIR_OUTPUT;
constexpr PinDirection kInout = PIN_DIR_INOUT;
constexpr RowStd k2V5 = RowStdFixed(IOSTD_2V5);

// Video input and output card: every signal single-ended, none left out.
constexpr CardMapRow kVantorRows[] = {
    {"C10, C11, C14, C15, C18, C19, C22, C23, C26, C27",
     "TX_I2S[0], TX_BD[5], TX_BD[6], TX_BD[9], TX_BD[8], TX_HS, TX_RD[3], TX_RD[2], TX_RD[8], "
     "TX_GD[7]",
     kOut, k2V5},
    {"C30", "FMC_I2C_SCL", kOut, k2V5},
    {"C31", "FMC_I2C_SDA", kInout, k2V5},
    {"C34", "FMC_GA[0]", kOut, k2V5},
    {"D8, D9, D11, D12, D14, D15, D17",
     "TX_PCLK, SII9136_RST_n, TX_BD[10], TX_BD[4], TX_BD[7], TX_MCLK, TX_BD[0]", kOut, k2V5},
    {"D18", "SII9136_INT", kIn, k2V5},
    {"D20, D21, D23, D24", "TX_RD[6], TX_RD[4], TX_RD[1], TX_GD[9]", kOut, k2V5},
    {"D26", "SII9136_SII9678_CSDA_FMC", kInout, k2V5},
    {"D27, D35", "TX_GD[6], FMC_GA[1]", kOut, k2V5},
    {"E2", "SII9679_ADV7619_CSDA_FMC", kInout, k2V5},
    {"E6, E7, E9, E10, E12, E13, E15, E16, E18, E19",
     "RX_GD[3], RX_GD[1], RX_GD[2], RX_GD[0], RX_BD[14], RX_BD[12], RX_BD[13], RX_BD[9], RX_BD[5], "
     "RX_BD[1]",
     kIn, k2V5},
    {"E21, E22, E24, E25, E27, E28, E30",
     "RX_BD[2], RX_AP[0], RX_AP[4], RX_SCLK, RX_RD[11], RX_RD[10], RX_GD[8]", kIn, k2V5},
    {"E31, E33", "SII9679_RST_N_FMC, RX0_DDC_SCL", kOut, k2V5},
    {"E34", "RX0_DDC_SDA", kInout, k2V5},
    {"E36", "RX_GD[15]", kIn, k2V5},
    {"F4", "SII9679_ADV7619_CSCL_FMC", kInout, k2V5},
    {"F5, F7, F8, F10, F11, F13, F14, F16, F17, F19",
     "RX_MCLK, RX_GD[6], RX_BD[0], RX_DE, RX_BD[8], RX_VS, RX_HS, RX_BD[11], RX_BD[7], RX_BD[3]",
     kIn, k2V5},
    {"F20, F22, F23, F25, F26, F28, F29, F31, F32, F34",
     "RX_GD[7], RX_AP[2], RX_AP[3], RX_AP[5], RX_RD[12], RX_RD[8], RX_GD[9], RX_GD[13], RX_GD[14], "
     "RX_RD[1]",
     kIn, k2V5},
    {"F35, F37, F38", "RX_RD[0], RX_RD[4], RX_RD[7]", kIn, k2V5},
    {"G6", "RX_PCLK", kIn, k2V5},
    {"G9, G10, G12, G13, G15, G16",
     "ADV7619_CS_n, TX_GD[3], TX_GD[1], ADV7619_RESET_n, TX_BD[3], TX_BD[2]", kOut, k2V5},
    {"G18, G19", "RX_BD[6], RX_BD[4]", kIn, k2V5},
    {"G21, G22", "TX_RD[5], TX_GD[11]", kOut, k2V5},
    {"G24", "ADV7619_INT", kIn, k2V5},
    {"G25, G27", "TX_GD[8], TX_GD[4]", kOut, k2V5},
    {"G28, G30, G31", "RX_RD[9], RX_GD[11], RX_GD[12]", kIn, k2V5},
    {"G33", "SII9678_RST_n", kOut, k2V5},
    {"G34, G36, G37", "SII9678_INT, RX_RD[3], RX_RD[6]", kIn, k2V5},
    {"H7, H8, H10, H11, H13, H14, H16, H17, H19, H20",
     "TX_SCK, TX_WS, TX_I2S[1], TX_GD[2], TX_GD[0], TX_BD[11], TX_BD[1], TX_VS, TX_DE, TX_RD[7]",
     kOut, k2V5},
    {"H22, H23, H25, H26, H28", "TX_RD[0], TX_GD[10], TX_DSR3L, TX_DSR3R, TX_GD[5]", kOut, k2V5},
    {"H29", "SII9136_SII9678_CSCL_FMC", kInout, k2V5},
    {"H31, H32, H34, H35, H37, H38", "TX_SPDIF, TX_I2S[3], TX_I2S[2], TX_RD[11..9]", kOut, k2V5},
    {"J2, J3, J6, J9, J12, J15, J18, J21, J24, J27",
     "RX_RD[15], RX_RD[14], RX_GD[5], RX_GD[4], RX_BD[15], RX_BD[10], RX_AP[1], SII9679_INT_FMC, "
     "RX_RD[13], RX_RD[2]",
     kIn, k2V5},
    {"J30, J36", "RX_GD[10], RX_RD[5]", kIn, k2V5},
};

} // namespace

void D_FMC_VANTOR(TDaughterBoard& card) {
    CardMapSlots slots(FMC_HPC_PIN_NUM);
    ExpandCardMap(slots, {"D_FMC_VANTOR", kVantorRows}, CardCodes{});
    fmc::JudgeMakerSlots(slots, FMC_PIN_NEG, 'n');
    AppendCardMap(card, slots);
}
