#include "boards/cyclone2/UI_Dunmar.h"
#include "boards/UI_BoardForms.h"
#include "boards/cyclone2/DunmarId.h"

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
    {"SDRAM1", "SDRAM_1, 32MB"},
    {"SDRAM2", "SDRAM_2, 32MB"},
    {"SSRAM", "SSRAM, 2MB"},
    {"Flash", "FLASH, 8MB"},
    {"Audio", "Audio"},
    {"Sma", "SMA"},
    {"USB", "USB"},
    {"Ethernet", "Ethernet"},
    {"TvDecoder1", "TV Decoder 1"},
    {"TvDecoder2", "TV Decoder 2"},
    {"IR", "IR"},
};
// clang-format on
constexpr THeaderBoardDesign kDesign{MAINBOARD_DUNMAR, "Dunmar FPGA Board", 792, 553, kBoxes};
} // namespace

TFormDunmar::TFormDunmar(QWidget* owner) : THeaderBoardForm<DUNMAR_CONFIG>(owner, kDesign) {}

namespace {
const BoardFormRegistrar kFormRegistrar{MAINBOARD_DUNMAR, MakeBoardForm<TFormDunmar>};
} // namespace
