#include "cards/gpio_fmc_memory/FmcCards.h"
#include "cards/gpio_fmc_memory/FmcFamily.h"
#include "model/DaughterBoard.h"

namespace {

constexpr PinDirection kIn = PIN_DIR_INPUT;
constexpr PinDirection kOut = PIN_DIR_OUTPUT;
constexpr PinDirection kInout = PIN_DIR_INOUT;
constexpr RowStd kPcml = RowStdFixed(IOSTD_1V5_PCML);
constexpr RowStd kLvds = RowStdFixed(IOSTD_LVDS);
constexpr RowStd k2V5 = RowStdFixed(IOSTD_2V5);

// Adapter for TI modules: the VITA 57.1 lanes, and the module's lines under the
// labels of its own pins. The label of a position that the converter module
// of card 52 swaps is the partner's (F7 K20, F8 K23); the input at F1 and
// the output at H35, which swap too, are labelled H35 and F1, so that no name
// is used twice.
constexpr CardMapRow kMorletRows[] = {
    {"A2, A6, A10, A14, A18", "DP1_M2C_P, DP2_M2C_P, DP3_M2C_P, DP4_M2C_P, DP5_M2C_P", kIn, kPcml,
     false, FMC_PIN_XCVR},
    {"A3, A7, A11, A15, A19", "DP1_M2C_N, DP2_M2C_N, DP3_M2C_N, DP4_M2C_N, DP5_M2C_N", kIn, kPcml,
     false, FMC_PIN_XCVR | FMC_PIN_NEG},
    {"A22, A26, A30, A34, A38", "DP1_C2M_P, DP2_C2M_P, DP3_C2M_P, DP4_C2M_P, DP5_C2M_P", kOut,
     kPcml, false, FMC_PIN_XCVR},
    {"A23, A27, A31, A35, A39", "DP1_C2M_N, DP2_C2M_N, DP3_C2M_N, DP4_C2M_N, DP5_C2M_N", kOut,
     kPcml, false, FMC_PIN_XCVR | FMC_PIN_NEG},
    {"B4, B8, B12, B16", "DP9_M2C_P, DP8_M2C_P, DP7_M2C_P, DP6_M2C_P", kIn, kPcml, false,
     FMC_PIN_XCVR},
    {"B5, B9, B13, B17", "DP9_M2C_N, DP8_M2C_N, DP7_M2C_N, DP6_M2C_N", kIn, kPcml, false,
     FMC_PIN_XCVR | FMC_PIN_NEG},
    {"B24, B28, B32, B36", "DP9_C2M_P, DP8_C2M_P, DP7_C2M_P, DP6_C2M_P", kOut, kPcml, false,
     FMC_PIN_XCVR},
    {"B25, B29, B33, B37", "DP9_C2M_N, DP8_C2M_N, DP7_C2M_N, DP6_C2M_N", kOut, kPcml, false,
     FMC_PIN_XCVR | FMC_PIN_NEG},
    {"C2", "DP0_C2M_P", kOut, kPcml, false, FMC_PIN_XCVR},
    {"C3", "DP0_C2M_N", kOut, kPcml, false, FMC_PIN_XCVR | FMC_PIN_NEG},
    {"C6", "DP0_M2C_P", kIn, kPcml, false, FMC_PIN_XCVR},
    {"C7", "DP0_M2C_N", kIn, kPcml, false, FMC_PIN_XCVR | FMC_PIN_NEG},
    {"C10, C14, C15", "ADBUS4, ADBUS0, ADBUS1", kIn, k2V5},
    {"C18", "LED_SYNC1", kOut, k2V5},
    {"C19, C26, C27", "C19, C26, C27", kInout, k2V5},
    {"D1", "D1", kIn, k2V5},
    {"D4", "GTX_CLKP", kIn, kLvds},
    {"D8, D9, D11, D12", "D8, D9, D11, D12", kOut, k2V5},
    {"D14, D15", "ADBUS3, BDBUS0", kIn, k2V5},
    {"D17, D18", "SPLED0, SPLED1", kOut, k2V5},
    {"D26", "D26", kInout, k2V5},
    {"E18", "OVRB", kIn, k2V5},
    {"E19", "E19", kInout, k2V5},
    {"F1", "H35", kIn, k2V5},
    {"F7, F8", "K20, K23", kInout, k2V5},
    {"G6", "CLK_LA0_0P", kIn, k2V5},
    {"G7", "CLK_LA0_0M", kIn, k2V5, false, FMC_PIN_NEG},
    {"G9", "CAR_SYSREFP", kIn, kLvds},
    {"G12", "ALT_DAC_SYNCP", kOut, kLvds},
    {"G15, G16", "BDBUS1, BDBUS3", kIn, k2V5},
    {"G27", "G27", kInout, k2V5},
    {"G30", "DAC_SYNC_P", kOut, kLvds},
    {"G33, G34", "OVRA, OVRC", kIn, k2V5},
    {"G36, G37", "G36, G37", kInout, k2V5},
    {"H2, H7", "PRESENT, CDBUS3", kIn, k2V5},
    {"H8, H10, H11", "ADBUS2, BDBUS2, CDBUS2", kOut, k2V5},
    {"H16, H17", "CDBUS0, CDBUS1", kIn, k2V5},
    {"H19, H20", "P, M", kInout, k2V5},
    {"H22, H25, H31", "FPGA_CLK1P, SYNCP, ALT_SYNCP", kOut, kLvds},
    {"H34", "SYNC", kIn, k2V5},
    {"H35", "F1", kOut, k2V5},
    {"H37, H38", "H37, H38", kInout, k2V5},
    {"J2", "FPGA_CLK2P", kOut, kLvds},
    {"J21", "OVRD", kIn, k2V5},
    // The negative members of the LVDS pairs.
    {"D5", "GTX_CLKM", kIn, kLvds, false, FMC_PIN_NEG},
    {"G10", "CAR_SYSREFM", kIn, kLvds, false, FMC_PIN_NEG},
    {"G13", "ALT_DAC_SYNCM", kOut, kLvds, false, FMC_PIN_NEG},
    {"G31", "DAC_SYNC_M", kOut, kLvds, false, FMC_PIN_NEG},
    {"H23", "FPGA_CLK1N", kOut, kLvds, false, FMC_PIN_NEG},
    {"H26", "SYNCM", kOut, kLvds, false, FMC_PIN_NEG},
    {"H32", "ALT_SYNCM", kOut, kLvds, false, FMC_PIN_NEG},
    {"J3", "FPGA_CLK2N", kOut, kLvds, false, FMC_PIN_NEG},
};

} // namespace

void D_FMC_MORLET_FOR_TI(TDaughterBoard& card) {
    CardMapSlots slots(FMC_HPC_PIN_NUM);
    ExpandCardMap(slots, {"D_FMC_MORLET_FOR_TI", kMorletRows}, CardCodes{});
    fmc::JudgeMakerSecondSlots(slots);
    AppendCardMap(card, slots);
}
