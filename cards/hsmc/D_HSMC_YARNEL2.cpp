#include "cards/CardMap.h"
#include "cards/hsmc/HsmcCards.h"
#include "model/DaughterBoard.h"

namespace {

// The Yarnel panel, touch and light sensor, a MIPI camera bridge with a
// 14-bit pixel bus, the camera's own I2C pair and a motion sensor. Every
// serial-bus clock is inout.
constexpr CardMapRow kYarnel2Rows[] = {
    {"41", "MIPI_I2C_SCL", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"42, 44, 90, 92", "MIPI_PIXEL_D[13..10]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"43", "MIPI_I2C_SDA", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"47", "MIPI_RESET_n", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"48, 50, 54, 56, 60, 62, 66, 68, 72, 74", "MIPI_PIXEL_D[0..9]", PIN_DIR_INPUT,
     RowStdFixed(IOSTD_2V5)},
    {"49", "MIPI_CS_n", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"59", "CAMERA_I2C_SDA", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"61", "MPU_CS_n", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"65", "MPU_INT", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"67", "MPU_FSYNC", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"71", "MPU_AD0_SDO", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"73", "MPU_SDA_SDI", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"77", "MPU_SCL_SCLK", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"78", "MIPI_PIXEL_VS", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"79", "LCD_POWER_CTL", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"80", "MIPI_PIXEL_HS", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"83", "LCD_UPDN", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"84", "LCD_DITH", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"85", "LCD_RSTB", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"86", "LCD_MODE", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"89", "LCD_DE", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"91", "LCD_SHLR", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"95", "MIPI_REFCLK", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"96", "MIPI_PIXEL_CLK", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"97", "MIPI_MCLK", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"101, 103, 107, 109", "LCD_B[3..0]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"102, 104, 108, 110", "LCD_B[7..4]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"113", "LSENSOR_ADDR_SEL", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"114, 116, 120, 122, 126, 128, 132, 134", "LCD_G[7..0]", PIN_DIR_OUTPUT,
     RowStdFixed(IOSTD_2V5)},
    {"115", "LSENSOR_SCL", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"119", "LSENSOR_SDA", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"121", "LSENSOR_INT", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"125, 127, 131, 133, 137, 139, 143, 145", "LCD_R[7..0]", PIN_DIR_OUTPUT,
     RowStdFixed(IOSTD_2V5)},
    {"138", "LCD_DIM", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"140", "CAMERA_I2C_SCL", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"144", "CAMERA_PWDN_n", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"146", "TOUCH_INT_n", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"149", "LCD_HSD", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"150", "TOUCH_I2C_SDA", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"151", "LCD_VSD", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"152", "TOUCH_I2C_SCL", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"157", "LCD_DCLK", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
};

} // namespace

// i2cStd is part of the card's call and unused: every pin is at 2.5 V.
void D_HSMC_YARNEL2(TDaughterBoard& card, I2cStd /*i2cStd*/) {
    FillCardMap(card, HSMC_PIN_NUM, {"D_HSMC_YARNEL2", kYarnel2Rows}, IOSTD_2V5);
}
