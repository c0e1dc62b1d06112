#include "cards/CardMap.h"
#include "cards/hsmc/HsmcCards.h"
#include "model/DaughterBoard.h"

namespace {

// Multimedia card: VGA, audio, video decoder, Ethernet, SD card, PS/2, UART,
// LCD and touch ADC, all named HC_; four I2C lines carry the I2C flag.
constexpr CardMapRow kVadrelRows[] = {
    {"33", "HC_I2C_SDAT", PIN_DIR_INOUT, ROW_I2CSTD, true},
    {"34", "HC_I2C_SCLK", PIN_DIR_OUTPUT, ROW_I2CSTD, true},
    {"39", "HC_AUD_XCK", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"40", "HC_AUD_ADCDAT", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"41", "HC_ID_I2CSCL", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5), true},
    {"42", "HC_ID_I2CDAT", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5), true},
    {"43", "HC_PS2_CLK", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"44", "HC_SD_CMD", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"47", "HC_PS2_DAT", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"48", "HC_SD_DAT", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"49", "HC_MDIO", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"50", "HC_SDA", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"53", "HC_SD_DAT3", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"54", "HC_VGA_HS", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"55", "HC_VGA_VS", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"56, 60, 62, 66, 68, 72, 74, 78", "HC_TD_D[0..7]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"59", "HC_VGA_BLANK", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"61", "HC_VGA_SYNC", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"65, 67, 71, 73, 77, 79, 83, 85, 89, 91", "HC_VGA_DATA[0..9]", PIN_DIR_OUTPUT,
     RowStdFixed(IOSTD_2V5)},
    {"80", "HC_TD_RESET", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"84", "HC_TD_VS", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"86", "HC_TD_HS", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"90", "HC_RX_ERR", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"92", "HC_RX_CRS", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"95", "HC_NCLK", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"96", "HC_RX_CLK", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"97", "HC_VGA_CLOCK", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"98", "HC_TD_27MHZ", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"101", "HC_SD_CLK", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"102, 104, 108, 110", "HC_RXD[0..3]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"103", "HC_AUD_ADCLRCK", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"107", "HC_AUD_DACLRCK", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"109", "HC_AUD_DACDAT", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"113", "HC_AUD_BCLK", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"114", "HC_RX_COL", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"115", "HC_UART_RXD", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"116", "HC_RX_DV", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"119", "HC_UART_TXD", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"120", "HC_ADC_BUSY", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"121", "HC_ETH_RESET_N", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"122", "HC_ADC_DOUT", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"125", "HC_TX_EN", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"126", "HC_LCD_DATA[3]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"127, 131, 133, 137", "HC_TXD[0..3]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"128", "HC_LCD_DATA[4]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"132", "HC_VD", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"134", "HC_HD", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"138", "HC_DEN", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"139", "HC_MDC", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"140", "HC_GRESET", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"143", "HC_ADC_CS_n", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"144", "HC_SCEN", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"145", "HC_LCD_DATA[0]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"146", "HC_LCD_DATA[5]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"149", "HC_LCD_DATA[1]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"150", "HC_LCD_DATA[6]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"151", "HC_LCD_DATA[2]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"152", "HC_LCD_DATA[7]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"155", "HC_ADC_DIN", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"156", "HC_ADC_PENIRQ_n", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"157", "HC_ADC_DCLK", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"158", "HC_TX_CLK", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
};

} // namespace

void D_HSMC_VADREL(TDaughterBoard& card, I2cStd i2cStd) {
    CardCodes codes;
    codes.i2cStd = i2cStd.code;
    FillCardMap(card, HSMC_PIN_NUM, {"D_HSMC_VADREL", kVadrelRows}, codes);
}
