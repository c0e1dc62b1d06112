#include "cards/gpio_fmc_memory/FmcCards.h"
#include "cards/gpio_fmc_memory/FmcFamily.h"
#include "model/DaughterBoard.h"

namespace {

constexpr PinDirection kIn = PIN_DIR_INPUT;
constexpr PinDirection kOut = PIN_DIR_OUTPUT;
constexpr PinDirection kInout = PIN_DIR_INOUT;
constexpr RowStd kPcml = RowStdFixed(IOSTD_1V5_PCML);
constexpr RowStd k2V5 = RowStdFixed(IOSTD_2V5);

// USB card with DisplayPort lanes: none of its rows is left out.
constexpr CardMapRow kDostelRows[] = {
    {"A2, A3, A6, A7, A10, A11, A18, A19",
     "DP_RX_p[1], DP_RX_n[1], DP_RX_p[2], DP_RX_n[2], DP_RX_p[3], DP_RX_n[3], USB_RX_p, USB_RX_n",
     kIn, kPcml},
    {"A22, A23, A26, A27, A30, A31, A38, A39",
     "DP_TX_p[1], DP_TX_n[1], DP_TX_p[2], DP_TX_n[2], DP_TX_p[3], DP_TX_n[3], USB_TX_p, USB_TX_n",
     kOut, kPcml},
    {"C2, C3", "DP_TX_p[0], DP_TX_n[0]", kOut, kPcml},
    {"C6, C7", "DP_RX_p[0], DP_RX_n[0]", kIn, kPcml},
    {"C10, C11, C14, C15, C18",
     "USBFX3_CTL[10], USBFX3_CTL[9], USBFX3_CTL1_SLWR_n, USBFX3_CTL0_SLCS_n, USBFX3_CTL11_A[1]",
     kOut, k2V5},
    {"C19", "USBFX3_CTL4_FLAGA", kIn, k2V5},
    {"C22, C26", "USBFX3_RESET_n, UART_TXD_F", kOut, k2V5},
    {"C27", "UART_RXD_F", kIn, k2V5},
    {"C30, C31", "FMC_I2C_SCL, FMC_I2C_SDA", kInout, k2V5},
    {"C34", "FMC_GA[0]", kOut, k2V5},
    {"D14, D15, D17, D18, D20, D21, D23, D24, D26, D27",
     "USBFX3_DQ[1], USBFX3_DQ[3], USBFX3_DQ[7], USBFX3_DQ[0], USBFX3_DQ[4], USBFX3_DQ[5], "
     "USBFX3_DQ[21], USBFX3_DQ[20], USBFX3_DQ[24], USBFX3_DQ[30]",
     kInout, k2V5},
    {"D35", "FMC_GA[1]", kOut, k2V5},
    {"E30, E31, E33, E34", "FMC_MAX_BUS[15..13], FMC_MAX_BUS[7]", kInout, k2V5},
    {"F31, F32, F34, F35, F37, F38",
     "FMC_MAX_BUS[12], FMC_MAX_BUS[11], FMC_MAX_BUS[0], FMC_MAX_BUS[1], FMC_MAX_BUS[6], "
     "FMC_MAX_BUS[5]",
     kInout, k2V5},
    {"G6, G9, G10, G12, G13, G15, G16",
     "USBFX3_PCLK, USBFX3_CTL[6], USBFX3_CTL[8], USBFX3_CTL12_A[0], USBFX3_CTL3_SLRD_n, "
     "USBFX3_CTL2_SLOE_n, USBFX3_CTL7_PKTEND_n",
     kOut, k2V5},
    {"G18, G19", "USBFX3_CTL5_FLAGB, USBFX3_CTL15_INT_n", kIn, k2V5},
    {"G21", "USBFX3_UART_TX", kOut, k2V5},
    {"G22", "USBFX3_UART_RX", kIn, k2V5},
    {"G24, G25, G27, G28", "DP_AUX_p, DP_AUX_n, USB_PD_SCL, USB_PD_SDA", kInout, k2V5},
    {"G30", "USB_PD_I2C_INT", kIn, k2V5},
    {"H7, H8, H10, H11, H13, H14, H16, H17, H19, H20",
     "USBFX3_DQ[11..8], USBFX3_DQ[15], USBFX3_DQ[14], USBFX3_DQ[6], USBFX3_DQ[2], USBFX3_DQ[12], "
     "USBFX3_DQ[13]",
     kInout, k2V5},
    {"H22, H23, H25, H26, H28, H29, H31, H32, H34, H35",
     "USBFX3_DQ[16..19], USBFX3_DQ[22], USBFX3_DQ[31], USBFX3_DQ[29..26]", kInout, k2V5},
    {"H37, H38", "USBFX3_DQ[25], USBFX3_DQ[23]", kInout, k2V5},
    {"J21, J24, J27, J30, J33, J36",
     "FMC_MAX_BUS[9], FMC_MAX_BUS[8], FMC_MAX_BUS[10], FMC_MAX_BUS[4..2]", kInout, k2V5},
};

} // namespace

void D_FMC_DOSTEL(TDaughterBoard& card) {
    CardMapSlots slots(FMC_HPC_PIN_NUM);
    ExpandCardMap(slots, {"D_FMC_DOSTEL", kDostelRows}, CardCodes{});
    fmc::JudgeMakerSlots(slots, FMC_PIN_NEG, 'n');
    AppendCardMap(card, slots);
}
