#include "cards/CardMap.h"
#include "cards/hsmc/HsmcCards.h"
#include "model/DaughterBoard.h"

namespace {

// Two 14-bit ADC channels, two 14-bit DAC buses, the audio codec group and
// the clock pairs.
constexpr CardMapRow kHavorRows[] = {
    {"33", "SDA", PIN_DIR_INOUT, ROW_I2CSTD},
    {"34", "SCL", PIN_DIR_OUTPUT, ROW_I2CSTD},
    {"39", "CLKOUT0", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"40", "CLKIN1", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"41, 43, 47, 49, 53, 55, 59, 61, 65, 67, 71, 73, 77, 79", "ADA_D[13..0]", PIN_DIR_INPUT,
     RowStdFixed(IOSTD_2V5)},
    {"42, 44, 48, 50, 54, 56, 60, 62, 66, 68, 72, 74, 78, 80", "ADB_D[13..0]", PIN_DIR_INPUT,
     RowStdFixed(IOSTD_2V5)},
    {"83", "ADA_OR", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"84", "ADB_OR", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"85", "ADA_OE", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"86", "ADB_OE", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"89", "ADA_SPI_CS", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"90", "ADB_SPI_CS", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"91", "AD_SDIO", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"92", "AD_SCLK", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"95", "FPGA_CLK_A_P", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"96", "XT_IN_P", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"97", "FPGA_CLK_A_N", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"98", "XT_IN_N", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"101, 103, 107, 109, 113, 115, 119, 121, 125, 127, 131, 133, 137, 139", "DA[13..0]",
     PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"102, 104, 108, 110, 114, 116, 120, 122, 126, 128, 132, 134, 138, 140", "DB[13..0]",
     PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"143", "AIC_DIN", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"144", "AIC_DOUT", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"145", "AIC_LRCIN", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"146", "AIC_LRCOUT", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"149", "AIC_BCLK", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"150", "AIC_XCLK", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"151", "AIC_SPI_CS", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"152", "J1_152", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"155", "FPGA_CLK_B_P", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"156", "ADA_DCO", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"157", "FPGA_CLK_B_N", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"158", "ADB_DCO", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
};

} // namespace

void D_HSMC_HAVOR(TDaughterBoard& card, I2cStd i2cStd) {
    CardCodes codes;
    codes.i2cStd = i2cStd.code;
    FillCardMap(card, HSMC_PIN_NUM, {"D_HSMC_HAVOR", kHavorRows}, codes);
}
