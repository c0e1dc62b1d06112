#include "cards/hsmc/HsmcShared.h"
#include "model/DaughterBoard.h"

namespace {

// 8-inch LCD panel with six bits per colour, its touch controller and a
// camera with a 12-bit pixel bus.
constexpr CardMapRow kSorvelRows[] = {
    {"60, 62, 66, 68, 72, 74, 78, 80, 84, 86, 90, 92", "CAMERA_D[0..11]", PIN_DIR_INPUT,
     RowStdFixed(IOSTD_2V5)},
    {"67", "CAMERA_STROBE", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"71", "CAMERA_LVAL", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"73", "CAMERA_FVAL", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"79", "CAMERA_RESET_N", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"85", "CAMERA_SCLK", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"89", "CAMERA_TRIGGER", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"91", "CAMERA_SDATA", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"95", "CAMERA_XCLKIN", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"96", "CAMERA_PIXCLK", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"107", "LCD_DIM", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"108", "TOUCH_DCLK", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"110", "TOUCH_CS_N", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"114", "TOUCH_DIN", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"115, 121, 125, 151", "LCD_B[5..2]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"116", "TOUCH_BUSY", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"120", "TOUCH_DOUT", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"122", "TOUCH_PENIRQ_N", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"127, 131, 133, 137, 139, 143", "LCD_R[0..5]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"132", "LCD_DEN", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"138, 140, 144, 146, 150, 152", "LCD_G[0..5]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"145, 149", "LCD_B[0..1]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"157", "LCD_NCLK", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
};

} // namespace

std::span<const CardMapRow> SorvelRows() {
    return kSorvelRows;
}

void D_HSMC_SORVEL(TDaughterBoard& card) {
    FillCardMap(card, HSMC_PIN_NUM, {"D_HSMC_SORVEL", kSorvelRows}, IOSTD_2V5);
}
