#include "cards/CardMap.h"
#include "cards/gpio_fmc_memory/GpioCards.h"
#include "model/DaughterBoard.h"

namespace {

// Camera behind a MIPI bridge: pixel bus, sync, bridge and camera control.
constexpr CardMapRow kGlentRows[] = {
    {"2", "MIPI_PIXEL_CLK", PIN_DIR_INPUT, ROW_IOSTD},
    {"4-10, 13-15", "MIPI_PIXEL_D[0..9]", PIN_DIR_INPUT, ROW_IOSTD},
    {"21", "MIPI_REFCLK", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"23", "MIPI_PIXEL_VS", PIN_DIR_INPUT, ROW_IOSTD},
    {"25", "MIPI_PIXEL_HS", PIN_DIR_INPUT, ROW_IOSTD},
    {"26", "MIPI_CS_n", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"27", "MIPI_RESET_n", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"28", "CAMERA_PWDN_n", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"31", "CAMERA_I2C_SCL", PIN_DIR_INOUT, ROW_IOSTD},
    {"32", "CAMERA_I2C_SDA", PIN_DIR_INOUT, ROW_IOSTD},
    {"33", "MIPI_MCLK", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"35", "MIPI_I2C_SCL", PIN_DIR_INOUT, ROW_IOSTD},
    {"36", "MIPI_I2C_SDA", PIN_DIR_INOUT, ROW_IOSTD},
};

} // namespace

void D_GPIO_GLENT(TDaughterBoard& card, IoStd ioStd) {
    FillCardMap(card, GPIO_PIN_NUM, {"D_GPIO_GLENT", kGlentRows}, ioStd);
}
