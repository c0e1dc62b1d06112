#include "cards/CardMap.h"
#include "cards/hsmc/HsmcCards.h"
#include "model/DaughterBoard.h"

namespace {

// Two 14-bit DAC buses (ascending from 47) and two 14-bit ADC buses
// (descending from 113), with their clocks and controls.
constexpr CardMapRow kOstelRows[] = {
    {"33", "OSTEL_SDA", PIN_DIR_INOUT, ROW_I2CSTD},
    {"34", "OSTEL_SCL", PIN_DIR_OUTPUT, ROW_I2CSTD},
    {"47, 49, 53, 55, 59, 61, 65, 67, 71, 73, 77, 79, 83, 85", "DAC_DA[0..13]", PIN_DIR_OUTPUT,
     RowStdFixed(IOSTD_2V5)},
    {"48, 50, 54, 56, 60, 62, 66, 68, 72, 74, 78, 80, 84, 86", "DAC_DB[0..13]", PIN_DIR_OUTPUT,
     RowStdFixed(IOSTD_2V5)},
    {"89", "DAC_WRT_A", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"90", "DAC_WRT_B", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"91", "DAC_MODE", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"95", "DAC_CLK_A", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"96", "OSC_SMA_ADC4", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"97", "DAC_CLK_B", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"98", "SMA_DAC4", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"108", "ADC_OEB_A", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"110", "ADC_OEB_B", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"113, 115, 119, 121, 125, 127, 131, 133, 137, 139, 143, 145, 149, 151", "ADC_DB[13..0]",
     PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"114, 116, 120, 122, 126, 128, 132, 134, 138, 140, 144, 146, 150, 152", "ADC_DA[13..0]",
     PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"155", "ADC_CLK_B", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"156", "ADC_OTR_B", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"157", "ADC_CLK_A", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"158", "ADC_OTR_A", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
};

} // namespace

void D_HSMC_OSTEL(TDaughterBoard& card, I2cStd i2cStd) {
    CardCodes codes;
    codes.i2cStd = i2cStd.code;
    FillCardMap(card, HSMC_PIN_NUM, {"D_HSMC_OSTEL", kOstelRows}, codes);
}
