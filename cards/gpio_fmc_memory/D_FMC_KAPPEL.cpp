#include "cards/gpio_fmc_memory/FmcCards.h"
#include "cards/gpio_fmc_memory/FmcFamily.h"
#include "model/DaughterBoard.h"

namespace {

constexpr PinDirection kIn = PIN_DIR_INPUT;
constexpr PinDirection kOut = PIN_DIR_OUTPUT;
constexpr PinDirection kInout = PIN_DIR_INOUT;
constexpr RowStd kLvds = RowStdFixed(IOSTD_LVDS);
constexpr RowStd k2V5 = RowStdFixed(IOSTD_2V5);

// FMC-to-GPIO adaptor: four GPIO header buses, a clock input, LEDs, keys and
// switches. Its filler leaves out the rows flagged FMC_PIN_SKIP, which no row
// carries; the negative clock member is left out by the LVDS rule.
constexpr CardMapRow kKappelRows[] = {
    {"C10, C11, C14, C15, C18, C19, C22, C23, C26, C27",
     "GPIO_1_D[10..13], GPIO_1_D[16], GPIO_1_D[17], GPIO_1_D[20], GPIO_1_D[21], GPIO_1_D[26], "
     "GPIO_1_D[27]",
     kInout, k2V5},
    {"D8, D9, D11, D12, D14, D15, D17, D18, D20, D21",
     "GPIO_0_D[2], GPIO_0_D[3], GPIO_0_D[26], GPIO_0_D[27], GPIO_0_D[8..13]", kInout, k2V5},
    {"D23, D24, D26, D27", "GPIO_0_D[18], GPIO_0_D[19], GPIO_0_D[30], GPIO_0_D[31]", kInout, k2V5},
    {"E2, E3, E6, E7, E9, E10, E12, E13, E15, E16", "GPIO_2_D[0], GPIO_2_D[1], GPIO_2_D[4..11]",
     kInout, k2V5},
    {"E18, E19, E21, E22, E24, E25, E27, E28, E30, E31",
     "GPIO_2_D[12], GPIO_2_D[13], GPIO_3_D[4..11]", kInout, k2V5},
    {"E33, E34, E36, E37", "GPIO_3_D[12], GPIO_3_D[13], GPIO_3_D[0], GPIO_3_D[1]", kInout, k2V5},
    {"F4, F5, F7, F8, F10, F11, F13, F14, F16, F17", "GPIO_2_D[2], GPIO_2_D[3], GPIO_2_D[20..27]",
     kInout, k2V5},
    {"F19, F20, F22, F23, F25, F26, F28, F29, F31, F32",
     "GPIO_2_D[28], GPIO_2_D[29], GPIO_3_D[20..27]", kInout, k2V5},
    {"F34, F35, F37, F38", "GPIO_3_D[28], GPIO_3_D[29], GPIO_3_D[2], GPIO_3_D[3]", kInout, k2V5},
    {"G2", "SMA_CLK_p", kIn, kLvds},
    {"G6, G7, G9, G10, G12, G13, G15, G16, G18, G19",
     "GPIO_1_D[2], GPIO_1_D[3], GPIO_1_D[6], GPIO_1_D[7], GPIO_1_D[4], GPIO_1_D[5], GPIO_1_D[0], "
     "GPIO_1_D[1], GPIO_1_D[14], GPIO_1_D[15]",
     kInout, k2V5},
    {"G21, G22, G24, G25, G27, G28, G30, G31, G33, G34",
     "GPIO_1_D[18], GPIO_1_D[19], GPIO_1_D[22..25], GPIO_1_D[28..31]", kInout, k2V5},
    {"G36, G37", "GPIO_1_D[32], GPIO_1_D[33]", kInout, k2V5},
    {"H4, H5, H7, H8, H10, H11, H13, H14, H16, H17",
     "GPIO_0_D[0], GPIO_0_D[1], GPIO_0_D[24], GPIO_0_D[25], GPIO_0_D[22], GPIO_0_D[23], "
     "GPIO_0_D[20], GPIO_0_D[21], GPIO_0_D[4], GPIO_0_D[5]",
     kInout, k2V5},
    {"H19, H20, H22, H23, H25, H26, H28, H29, H31, H32",
     "GPIO_0_D[6], GPIO_0_D[7], GPIO_0_D[14..17], GPIO_0_D[28], GPIO_0_D[29], GPIO_0_D[32], "
     "GPIO_0_D[33]",
     kInout, k2V5},
    {"H34, H35, H37, H38", "GPIO_0_D[34], GPIO_0_D[35], GPIO_1_D[34], GPIO_1_D[35]", kInout, k2V5},
    {"J2, J3, J6, J7, J9, J10, J12, J13, J15, J16",
     "GPIO_2_D[30], GPIO_2_D[31], GPIO_2_D[14], GPIO_2_D[15], GPIO_2_D[32], GPIO_2_D[33], "
     "GPIO_2_D[16], GPIO_2_D[17], GPIO_2_D[34], GPIO_2_D[35]",
     kInout, k2V5},
    {"J18, J19, J21, J22, J24, J25, J27, J28, J30, J31",
     "GPIO_2_D[18], GPIO_2_D[19], GPIO_3_D[14], GPIO_3_D[15], GPIO_3_D[30], GPIO_3_D[31], "
     "GPIO_3_D[16], GPIO_3_D[17], GPIO_3_D[32], GPIO_3_D[33]",
     kInout, k2V5},
    {"J33, J34, J36, J37", "GPIO_3_D[18], GPIO_3_D[19], GPIO_3_D[34], GPIO_3_D[35]", kInout, k2V5},
    {"K7, K8, K10, K11, K13, K14, K16, K17, K19, K20", "GPIO_1_D[8], GPIO_1_D[9], ERGAN_D[0..7]",
     kInout, k2V5},
    {"K22, K23", "LED[0], LED[1]", kOut, k2V5},
    {"K34, K35, K37, K38", "KEY[0], KEY[1], SW[0], SW[1]", kIn, k2V5},
    // The negative member of the LVDS clock input.
    {"G3", "SMA_CLK_n", kIn, kLvds, false, FMC_PIN_NEG},
};

} // namespace

void D_FMC_KAPPEL(TDaughterBoard& card) {
    CardMapSlots slots(FMC_HPC_PIN_NUM);
    ExpandCardMap(slots, {"D_FMC_KAPPEL", kKappelRows}, CardCodes{});
    fmc::JudgeMakerSlots(slots, FMC_PIN_SKIP, 'n');
    AppendCardMap(card, slots);
}
