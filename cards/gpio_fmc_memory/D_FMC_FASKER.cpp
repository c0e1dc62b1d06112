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

// Transceiver-to-SMA card with HDMI and DisplayPort side channels. The receive
// pair of lane 0 holds LVDS, so the LVDS rule keeps both of its members (the
// names end in "]").
constexpr CardMapRow kFaskerRows[] = {
    {"A2, A3, A6, A7, A10, A11",
     "XCVR_RX_p[1], XCVR_RX_n[1], XCVR_RX_p[2], XCVR_RX_n[2], XCVR_RX_p[3], XCVR_RX_n[3]", kIn,
     kPcml},
    {"A22, A23, A26, A27, A30, A31",
     "XCVR_TX_p[1], XCVR_TX_n[1], XCVR_TX_p[2], XCVR_TX_n[2], XCVR_TX_p[3], XCVR_TX_n[3]", kOut,
     kPcml},
    {"B20", "XCVR_REFCLK1_p", kIn, kLvds},
    {"C2, C3", "XCVR_TX_p[0], XCVR_TX_n[0]", kOut, kPcml},
    {"C6, C7", "XCVR_RX_p[0], XCVR_RX_n[0]", kIn, kLvds},
    {"C14", "HDMI_SRC_CEC", kInout, k2V5},
    {"C15", "HDMI_SRC_SCL", kOut, k2V5},
    {"C30, C31, C34", "SCL, SDA, GA0", kInout, k2V5},
    {"D4", "XCVR_REFCLK0_p", kIn, kLvds},
    {"D11", "DP_SINK_N", kOut, k2V5},
    {"D12", "DP_SINK_R", kIn, k2V5},
    {"D14, D15, D35", "HDMI_SRC_SDA, HDMI_SRC_HPD, GA1", kInout, k2V5},
    {"G9", "DP_SRC_RE_N", kOut, k2V5},
    {"G10", "DP_SRC_R", kIn, k2V5},
    {"G12", "DP_SINK_AUX_p", kIn, kLvds},
    {"G15", "HDMI_SINK_CEC", kInout, k2V5},
    {"G16", "HDMI_SINK_SCL", kIn, k2V5},
    {"G27, G28", "DP_SINK_DE, DP_SINK_D", kOut, k2V5},
    {"H7, H8", "DP_SRC_DE, DP_SRC_D", kOut, k2V5},
    {"H10", "DP_SRC_AUX_p", kOut, kLvds},
    {"H13", "DP_SINK_HPD", kOut, k2V5},
    {"H14", "DP_SRC_HPD", kIn, k2V5},
    {"H16, H17", "HDMI_SINK_SDA, HDMI_SINK_HPD", kInout, k2V5},
    // The negative members of the LVDS pairs, and a position the card does not
    // use (the vendor standard's name, flagged).
    {"B21", "XCVR_REFCLK1_n", kIn, kLvds},
    {"D5", "XCVR_REFCLK0_n", kIn, kLvds},
    {"G13", "DP_SINK_AUX_n", kIn, kLvds},
    {"H11", "DP_SRC_AUX_n", kOut, kLvds},
    {"B1", "CLK_DIR", kInout, k2V5, false, FMC_PIN_NEG},
};

} // namespace

void D_FMC_FASKER(TDaughterBoard& card) {
    CardMapSlots slots(FMC_HPC_PIN_NUM);
    ExpandCardMap(slots, {"D_FMC_FASKER", kFaskerRows}, CardCodes{});
    fmc::JudgeMakerSlots(slots, FMC_PIN_NEG, 'n');
    AppendCardMap(card, slots);
}
