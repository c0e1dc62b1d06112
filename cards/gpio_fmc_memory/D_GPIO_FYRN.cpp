#include "cards/CardMap.h"
#include "cards/gpio_fmc_memory/GpioCards.h"
#include "model/DaughterBoard.h"

namespace {

// Camera card: 12-bit pixel bus, sync and a two-wire control pair.
constexpr CardMapRow kFyrnRows[] = {
    {"1", "FYRN_PIXCLK", PIN_DIR_INPUT, ROW_IOSTD},
    {"2, 4-10, 13-16", "FYRN_D[11..0]", PIN_DIR_INPUT, ROW_IOSTD},
    {"19", "FYRN_XCLKIN", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"20", "FYRN_RESET_N", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"22", "FYRN_TRIGGER", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"23", "FYRN_STROBE", PIN_DIR_INPUT, ROW_IOSTD},
    {"24", "FYRN_LVAL", PIN_DIR_INPUT, ROW_IOSTD},
    {"25", "FYRN_FVAL", PIN_DIR_INPUT, ROW_IOSTD},
    {"26", "FYRN_SDATA", PIN_DIR_INOUT, ROW_IOSTD},
    {"27", "FYRN_SCLK", PIN_DIR_OUTPUT, ROW_IOSTD},
};

} // namespace

void D_GPIO_FYRN(TDaughterBoard& card, IoStd ioStd) {
    FillCardMap(card, GPIO_PIN_NUM, {"D_GPIO_FYRN", kFyrnRows}, ioStd);
}
