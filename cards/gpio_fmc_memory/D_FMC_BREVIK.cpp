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

// Serial-video card for 12G and 3G links. The reference clocks hold the lanes'
// code, so both members are pins; so are the CLK_M2C pairs, whose names end
// in "]".
constexpr CardMapRow kBrevikRows[] = {
    {"A10, A11", "SDI_3G_RX_p[1], SDI_3G_RX_n[1]", kIn, kPcml},
    {"A26, A27, A30, A31, A38, A39",
     "SDI_12G_TX_p[0], SDI_12G_TX_n[0], SDI_3G_TX_p[1], SDI_3G_TX_n[1], SDI_12G_TX_p[1], "
     "SDI_12G_TX_n[1]",
     kOut, kPcml},
    {"B8, B9, B16, B17, B20, B21",
     "SDI_12G_RX_p[0], SDI_12G_RX_n[0], SDI_12G_RX_p[1], SDI_12G_RX_n[1], GBTCLK_M2C_p[1], "
     "GBTCLK_M2C_n[1]",
     kIn, kPcml},
    {"C2, C3", "SDI_3G_TX_p[0], SDI_3G_TX_n[0]", kOut, kPcml},
    {"C6, C7", "SDI_3G_RX_p[0], SDI_3G_RX_n[0]", kIn, kPcml},
    {"C10", "VCG_INIT", kOut, k2V5},
    {"C11, C14, C15, C18, C19, C22, C23",
     "SDI_12G_RC_ALARM_n[0], SDI_12G_RC_LOS[0], SDI_12G_RX_LOS[0], SDI_12G_RX_LOS[1], "
     "SDI_12G_RX_ALARM_n[1], AES_IN[0], AES_IN[1]",
     kIn, k2V5},
    {"C26, C27, C30", "AES_OUT[0], AES_OUT[1], FMC_I2C_SCL", kOut, k2V5},
    {"C31", "FMC_I2C_SDA", kInout, k2V5},
    {"C34", "FMC_GA[0]", kOut, k2V5},
    {"D4, D5", "GBTCLK_M2C_p[0], GBTCLK_M2C_n[0]", kIn, kPcml},
    {"D14, D15", "VSS_OE, VSS_VF", kIn, k2V5},
    {"D17", "SI5344_IN_SEL[1]", kOut, k2V5},
    {"D18", "SI5344_INTR_n", kIn, k2V5},
    {"D20, D21, D23, D24, D26",
     "SDI_12G_SPI_SCLK, SDI_12G_SPI_CS_n, CLKSEL_S2[0], CLKSEL_S2[1], SDI_3G_SPI_SCK", kOut, k2V5},
    {"D27", "SDI_3G_SPI_MISO", kIn, k2V5},
    {"D35", "FMC_GA[1]", kOut, k2V5},
    {"G2, G3", "CLK_M2C_p[1], CLK_M2C_n[1]", kIn, kLvds},
    {"G9, G10, G12, G13, G15, G16, G19",
     "VCG_NO_LOCK, VCG_NO_ALIGN, SDI_12G_RC_LOS[1], SDI_12G_RC_ALARM_n[1], SDI_12G_RX_ALARM_n[0], "
     "SDI_12G_RX_SD_XHD[0], SDI_12G_RX_SD_XHD[1]",
     kIn, k2V5},
    {"G21, G22, G24, G25, G27, G28, G30",
     "SDI_3G_SPI_SS_n[0], SDI_3G_TX_EN[0], SDI_3G_TX_RATE_SEL[0], SDI_3G_SPI_SS_n[1], "
     "SDI_3G_TX_EN[1], SDI_3G_TX_RATE_SEL[1], SI5344_I2C_SEL",
     kOut, k2V5},
    {"G31", "SI5344_A1_SDO", kInout, k2V5},
    {"G33, G34, G36, G37", "SI5344_A0_CS_n, SI5344_RST_n, SI5344_OE_n, SI5344_IN_SEL[0]", kOut,
     k2V5},
    {"H4, H5", "CLK_M2C_p[0], CLK_M2C_n[0]", kIn, kLvds},
    {"H7, H8, H11", "VCG_H, VCG_V, VCG_F", kOut, k2V5},
    {"H13", "FPGA_CLK_p", kOut, kLvds},
    {"H16, H17, H19, H20", "VSS_VS, VSS_HS, SI5344_LOL_n, SI5344_LOL_XTAL_n", kIn, k2V5},
    {"H22, H23, H25, H26", "SDI_12G_SPI_SDI, SDI_12G_SPI_SDO, CLKSEL_S1[0], CLKSEL_S1[1]", kOut,
     k2V5},
    {"H28", "VCG_NO_REF", kIn, k2V5},
    {"H29", "SDI_3G_SPI_MOSI", kOut, k2V5},
    {"H31, H32", "SDI_3G_CD_n[0], SDI_3G_CD_n[1]", kIn, k2V5},
    {"H34, H35, H37, H38", "VCG_I2C_SDA, VCG_I2C_SCL, SI5344_I2C_SDA, SI5344_I2C_SCL", kInout,
     k2V5},
    // The negative member of the LVDS clock output.
    {"H14", "FPGA_CLK_n", kOut, kLvds},
};

} // namespace

void D_FMC_BREVIK(TDaughterBoard& card) {
    CardMapSlots slots(FMC_HPC_PIN_NUM);
    ExpandCardMap(slots, {"D_FMC_BREVIK", kBrevikRows}, CardCodes{});
    fmc::JudgeMakerSlots(slots, FMC_PIN_NEG, 'n');
    AppendCardMap(card, slots);
}
