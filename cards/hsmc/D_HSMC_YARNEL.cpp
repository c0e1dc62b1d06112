#include "cards/CardMap.h"
#include "cards/hsmc/HsmcCards.h"
#include "model/DaughterBoard.h"

namespace {

// Multi-touch LCD panel with eight bits per colour, touch on I2C, the 12-bit
// camera, a G-sensor and a light sensor.
constexpr CardMapRow kYarnelRows[] = {
    {"41", "CAMERA_SCLK", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"43", "CAMERA_SDATA", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"47", "CAMERA_FVAL", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"48, 50, 54, 56, 60, 62, 66, 68, 72, 74, 78, 80", "CAMERA_D[0..11]", PIN_DIR_INPUT,
     RowStdFixed(IOSTD_2V5)},
    {"49", "CAMERA_LVAL", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"53", "CAMERA_STROBE", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"55", "CAMERA_TRIGGER", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"59", "CAMERA_RESET_n", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"61", "GSENSOR_CS_n", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"65", "GSENSOR_INT1", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"67", "GSENSOR_INT2", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"71", "GSENSOR_ALT_ADDR", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"73", "GSENSOR_SDA_SDI_SDIO", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"77", "GSENSOR_SCL_SCLK", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"83", "LCD_UPDN", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"84", "LCD_DITH", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"85", "LCD_RSTB", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"86", "LCD_MODE", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"89", "LCD_DE", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"90", "LCD_POWER_CTL", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"91", "LCD_SHLR", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"95", "CAMERA_XCLKIN", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"96", "CAMERA_PIXCLK", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"101, 103, 107, 109", "LCD_B[3..0]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"102, 104, 108, 110", "LCD_B[7..4]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"113", "LSENSOR_ADDR_SEL", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"114, 116, 120, 122, 126, 128, 132, 134", "LCD_G[7..0]", PIN_DIR_OUTPUT,
     RowStdFixed(IOSTD_2V5)},
    {"115", "LSENSOR_SCL", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"119", "LSENSOR_SDA", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"121", "LSENSOR_INT", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"125, 127, 131, 133, 137, 139, 143, 145", "LCD_R[7..0]", PIN_DIR_OUTPUT,
     RowStdFixed(IOSTD_2V5)},
    {"138", "LCD_DIM", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"146", "TOUCH_INT_n", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"149", "LCD_HSD", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"150", "TOUCH_I2C_SDA", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"151", "LCD_VSD", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"152", "TOUCH_I2C_SCL", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"157", "LCD_DCLK", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
};

} // namespace

void D_HSMC_YARNEL(TDaughterBoard& card) {
    FillCardMap(card, HSMC_PIN_NUM, {"D_HSMC_YARNEL", kYarnelRows}, IOSTD_2V5);
}
