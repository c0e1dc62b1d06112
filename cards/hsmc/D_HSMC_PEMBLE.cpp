#include "cards/CardMap.h"
#include "cards/hsmc/HsmcCards.h"
#include "model/DaughterBoard.h"

namespace {

// Image-sensor head-board adaptor: 12-bit parallel image input, sensor
// controls, lane-buffer enables and five LVDS inputs (p halves alone).
constexpr CardMapRow kPembleRows[] = {
    {"42", "IMG_IN_FV", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"43", "CK_FPGA_MCLK", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"48", "IMG_IN_LV", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"54, 60, 120, 126", "IMG_DIN[3..0]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"61", "SENSOR_RST", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"66, 72, 78, 84, 90, 102, 108, 114", "IMG_DIN[11..4]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"67", "SHUTTER", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"73", "DEMO2_I2C_SCL", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"79", "DEMO2_I2C_SDA", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"85", "BUF_HISPI_CLK0_EN", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"91", "BUF_HISPI_DATA0_EN", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"96", "CK_IMG_IN_PIXCLK", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"103", "BUF_HISPI_DATA1_EN", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"109", "BUF_HISPI_DATA2_EN", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"115", "BUF_HISPI_DATA3_EN", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"132, 150", "LVDS_DATA_p[0..1]", PIN_DIR_INPUT, RowStdFixed(IOSTD_LVDS)},
    {"138, 144", "LVDS_DATA_p[2..3]", PIN_DIR_INPUT, RowStdFixed(IOSTD_LVDS)},
    {"156", "CK_LVDS_CLK0_p", PIN_DIR_INPUT, RowStdFixed(IOSTD_LVDS)},
};

} // namespace

void D_HSMC_PEMBLE(TDaughterBoard& card) {
    FillCardMap(card, HSMC_PIN_NUM, {"D_HSMC_PEMBLE", kPembleRows}, IOSTD_2V5);
}
