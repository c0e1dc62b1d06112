#include "boards/cyclone2/UI_Corvin.h"
#include "boards/UI_BoardForms.h"
#include "boards/cyclone2/CorvinId.h"

#include <cstddef>

namespace {
// The check boxes in two columns, row by row.
// clang-format off
constexpr THeaderBoardBox kBoxes[] = {
    {"OSC", "CLOCK"},
    {"RS232", "RS232"},
    {"LED", "LED x 27", "ShapeLED ShapeLEDG8"},
    {"Seg7", "7-Segment x 8"},
    {"Button", "Button x 4"},
    {"Switch", "Switch x 18"},
    {"PS2", "PS2"},
    {"SDCARD", "SDCARD"},
    {"VGA", "VGA"},
    {"LCD", "LCD"},
    {"SDRAM", "SDRAM, 8MB"},
    {"Flash", "FLASH, 4MB"},
    {"Audio", "Audio"},
    {"Sma", "SMA"},
    {"SRAM", "SRAM, 512K"},
    {"Ethernet", "Ethernet"},
    {"USB", "USB"},
    {"TvDecode", "TV Decoder"},
    {"IR", "IR"},
};
// clang-format on
constexpr THeaderBoardDesign kDesign{MAINBOARD_CORVIN, "Corvin FPGA Board", 793, 554, kBoxes};
} // namespace

TFormCorvin::TFormCorvin(QWidget* owner) : THeaderBoardForm<CORVIN_CONFIG>(owner, kDesign) {}

namespace {
const BoardFormRegistrar kFormRegistrar{MAINBOARD_CORVIN, MakeBoardForm<TFormCorvin>};
} // namespace
