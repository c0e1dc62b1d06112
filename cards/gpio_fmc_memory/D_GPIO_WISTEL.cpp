#include "cards/CardMap.h"
#include "cards/gpio_fmc_memory/GpioCards.h"
#include "model/DaughterBoard.h"

namespace {

// Multi-touch LCD panel; cards 55 and 63 share this map.
constexpr CardMapRow kWistelRows[] = {
    {"2", "WISTEL_DCLK", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"4-10, 13", "WISTEL_R[0..7]", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"14-18, 21, 22", "WISTEL_G[0..6]", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"23", "WISTEL_B[0]", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"24", "WISTEL_G[7]", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"25-28, 31-33", "WISTEL_B[1..7]", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"35", "WISTEL_HSD", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"36", "WISTEL_VSD", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"37", "WISTEL_TOUCH_I2C_SCL", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"38", "WISTEL_TOUCH_I2C_SDA", PIN_DIR_INOUT, ROW_IOSTD},
    {"39", "WISTEL_TOUCH_INT_n", PIN_DIR_INPUT, ROW_IOSTD},
};

} // namespace

void D_GPIO_WISTEL(TDaughterBoard& card, IoStd ioStd) {
    FillCardMap(card, GPIO_PIN_NUM, {"D_GPIO_WISTEL", kWistelRows}, ioStd);
}

void D_GPIO_WISTEL2(TDaughterBoard& card, IoStd ioStd) {
    FillCardMap(card, GPIO_PIN_NUM, {"D_GPIO_WISTEL", kWistelRows}, ioStd);
}
