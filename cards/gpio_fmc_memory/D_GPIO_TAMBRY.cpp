#include "cards/CardMap.h"
#include "cards/gpio_fmc_memory/GpioCards.h"
#include "model/DaughterBoard.h"

namespace {

// LCD with touch: 24-bit RGB, sync, serial control and the touch converter.
constexpr CardMapRow kTambryRows[] = {
    {"1", "TAMBRY_ADC_PENIRQ_n", PIN_DIR_INPUT, ROW_IOSTD},
    {"2", "TAMBRY_ADC_DOUT", PIN_DIR_INPUT, ROW_IOSTD},
    {"3", "TAMBRY_ADC_BUSY", PIN_DIR_INPUT, ROW_IOSTD},
    {"4", "TAMBRY_ADC_DIN", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"5", "TAMBRY_ADC_DCLK", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"6-9", "TAMBRY_B[3..0]", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"10", "TAMBRY_NCLK", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"13", "TAMBRY_DEN", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"14", "TAMBRY_HD", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"15", "TAMBRY_VD", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"16-19", "TAMBRY_B[4..7]", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"20-27", "TAMBRY_G[0..7]", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"28, 31-37", "TAMBRY_R[0..7]", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"38", "TAMBRY_GREST", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"39", "TAMBRY_SCEN", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"40", "TAMBRY_SDA", PIN_DIR_INOUT, ROW_IOSTD},
};

} // namespace

void D_GPIO_TAMBRY(TDaughterBoard& card, IoStd ioStd) {
    FillCardMap(card, GPIO_PIN_NUM, {"D_GPIO_TAMBRY", kTambryRows}, ioStd);
}
