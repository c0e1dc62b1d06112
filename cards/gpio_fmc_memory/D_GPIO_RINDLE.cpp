#include "cards/CardMap.h"
#include "cards/gpio_fmc_memory/GpioCards.h"
#include "model/DaughterBoard.h"

namespace {

// LCD with touch: 16-bit parallel bus, strobes and the touch converter.
constexpr CardMapRow kRindleRows[] = {
    {"1", "RINDLE_ADC_PENIRQ_N", PIN_DIR_INPUT, ROW_IOSTD},
    {"2", "RINDLE_ADC_DOUT", PIN_DIR_INPUT, ROW_IOSTD},
    {"3", "RINDLE_ADC_BUSY", PIN_DIR_INPUT, ROW_IOSTD},
    {"4", "RINDLE_ADC_DIN", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"5", "RINDLE_ADC_DCLK", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"6-9", "RINDLE_D[3..0]", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"13", "RINDLE_RD_N", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"14", "RINDLE_WR_N", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"15", "RINDLE_RS", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"16-27", "RINDLE_D[4..15]", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"28", "RINDLE_CS_N", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"38", "RINDLE_RESET_N", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"39", "RINDLE_ADC_CS_N", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"40", "RINDLE_LCD_ON", PIN_DIR_OUTPUT, ROW_IOSTD},
};

} // namespace

void D_GPIO_RINDLE(TDaughterBoard& card, IoStd ioStd) {
    FillCardMap(card, GPIO_PIN_NUM, {"D_GPIO_RINDLE", kRindleRows}, ioStd);
}
