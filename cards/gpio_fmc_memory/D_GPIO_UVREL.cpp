#include "cards/CardMap.h"
#include "cards/gpio_fmc_memory/GpioCards.h"
#include "model/DaughterBoard.h"

namespace {

// 8-inch LCD with touch: 18-bit RGB, pixel clock, data enable, dimming,
// the touch converter and an accelerometer.
constexpr CardMapRow kUvrelRows[] = {
    {"1", "G_SENSOR_INT1", PIN_DIR_INPUT, ROW_IOSTD},
    {"2", "G_SCL_SCLK", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"3", "G_SENSOR_INT2", PIN_DIR_INPUT, ROW_IOSTD},
    {"4", "G_SDA_SDI_SDIO", PIN_DIR_INOUT, ROW_IOSTD},
    {"5", "TOUCH_DCLK", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"6", "TOUCH_PENIRQ_n", PIN_DIR_INPUT, ROW_IOSTD},
    {"7", "TOUCH_DOUT", PIN_DIR_INPUT, ROW_IOSTD},
    {"8", "TOUCH_BUSY", PIN_DIR_INPUT, ROW_IOSTD},
    {"9", "TOUCH_DIN", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"10", "TOUCH_CS_n", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"15", "LCD_R[0]", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"17, 18", "LCD_R[2..1]", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"19, 20", "LCD_R[4..3]", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"21", "DIM", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"22", "LCD_R[5]", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"23", "LCD_NCLK", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"24", "G_ALT_ADDR", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"25", "LCD_G[0]", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"26", "G_CS_n", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"27, 28", "LCD_G[2..1]", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"31, 32", "LCD_G[4..3]", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"33", "LCD_B[0]", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"34", "LCD_G[5]", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"35, 36", "LCD_B[2..1]", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"37, 38", "LCD_B[4..3]", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"39", "LCD_DEN", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"40", "LCD_B[5]", PIN_DIR_OUTPUT, ROW_IOSTD},
};

} // namespace

void D_GPIO_UVREL(TDaughterBoard& card, IoStd ioStd) {
    FillCardMap(card, GPIO_PIN_NUM, {"D_GPIO_UVREL", kUvrelRows}, ioStd);
}
