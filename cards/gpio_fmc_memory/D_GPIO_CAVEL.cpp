#include "cards/CardMap.h"
#include "cards/gpio_fmc_memory/GpioCards.h"
#include "model/DaughterBoard.h"

namespace {

// Motor-control card: 24 PWM lines (spelled PMW), power monitor and warning LED.
constexpr CardMapRow kCavelRows[] = {
    {"1-10, 13-26", "PMW[0..23]", PIN_DIR_INOUT, ROW_IOSTD},
    {"31", "SOC_PM_I2C_SDA", PIN_DIR_INOUT, ROW_IOSTD},
    {"32", "SOC_PM_I2C_SCL", PIN_DIR_INOUT, ROW_IOSTD},
    {"33", "SYS_PM_ALERT", PIN_DIR_INPUT, ROW_IOSTD},
    {"35", "MR_PM_ALERT", PIN_DIR_INPUT, ROW_IOSTD},
    {"37", "SOC_SYS_PDN_n", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"38", "SOC_WARN_LED", PIN_DIR_OUTPUT, ROW_IOSTD},
};

} // namespace

void D_GPIO_CAVEL(TDaughterBoard& card, IoStd ioStd) {
    FillCardMap(card, GPIO_PIN_NUM, {"D_GPIO_CAVEL", kCavelRows}, ioStd);
}
