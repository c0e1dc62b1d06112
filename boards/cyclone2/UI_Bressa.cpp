#include "boards/cyclone2/UI_Bressa.h"
#include "boards/UI_BoardForms.h"
#include "boards/cyclone2/BressaId.h"

#include <cstddef>

namespace {
// The check boxes in two columns, row by row.
// clang-format off
constexpr THeaderBoardBox kBoxes[] = {
    {"OSC", "CLOCK"},
    {"RS232", "RS232"},
    {"LED", "LED x 18"},
    {"Seg7", "7-Segment x 4"},
    {"Button", "Button x 4"},
    {"Switch", "Switch x 10"},
    {"PS2", "PS2"},
    {"SDCARD", "SDCARD"},
    {"VGA", "VGA"},
    {"SRAM", "SRAM, 512KB"},
    {"SDRAM", "SDRAM, 8MB"},
    {"Flash", "FLASH, 4MB"},
    {"Audio", "Audio"},
    {"Sma", "SMA"},
};
// clang-format on
constexpr THeaderBoardDesign kDesign{MAINBOARD_BRESSA, "Bressa FPGA Board", 793, 517, kBoxes};
} // namespace

TFormBressa::TFormBressa(QWidget* owner) : THeaderBoardForm<BRESSA_CONFIG>(owner, kDesign) {}

namespace {
const BoardFormRegistrar kFormRegistrar{MAINBOARD_BRESSA, MakeBoardForm<TFormBressa>};
} // namespace
