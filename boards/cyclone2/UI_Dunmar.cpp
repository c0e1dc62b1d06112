#include "boards/cyclone2/UI_Dunmar.h"
#include "boards/UI_BoardForms.h"
#include "boards/cyclone2/DunmarId.h"

#include <cstddef>

namespace {
// The check boxes in two columns, row by row.
// clang-format off
constexpr THeaderBoardBox kBoxes[] = {
    {"CheckBoxOSC", "CLOCK", offsetof(DUNMAR_CONFIG, bOSC), {"ShapeOSC"}},
    {"CheckBoxRS232", "RS232", offsetof(DUNMAR_CONFIG, bRS232), {"ShapeRS232"}},
    {"CheckBoxLED", "LED x 27", offsetof(DUNMAR_CONFIG, bLED), {"ShapeLED", "ShapeLEDG8"}},
    {"CheckBoxSeg7", "7-Segment x 8", offsetof(DUNMAR_CONFIG, bSeg7), {"ShapeSeg7"}},
    {"CheckBoxButton", "Button x 4", offsetof(DUNMAR_CONFIG, bButton), {"ShapeButton"}},
    {"CheckBoxSwitch", "Switch x 18", offsetof(DUNMAR_CONFIG, bSwitch), {"ShapeSwitch"}},
    {"CheckBoxPS2", "PS2", offsetof(DUNMAR_CONFIG, bPS2), {"ShapePS2"}},
    {"CheckBoxSDCARD", "SDCARD", offsetof(DUNMAR_CONFIG, bSDCARD), {"ShapeSDCARD"}},
    {"CheckBoxVGA", "VGA", offsetof(DUNMAR_CONFIG, bVGA), {"ShapeVGA"}},
    {"CheckBoxLCD", "LCD", offsetof(DUNMAR_CONFIG, bLCD), {"ShapeLCD"}},
    {"CheckBoxSDRAM1", "SDRAM_1, 32MB", offsetof(DUNMAR_CONFIG, bSDRAM1), {"ShapeSDRAM1"}},
    {"CheckBoxSDRAM2", "SDRAM_2, 32MB", offsetof(DUNMAR_CONFIG, bSDRAM2), {"ShapeSDRAM2"}},
    {"CheckBoxSSRAM", "SSRAM, 2MB", offsetof(DUNMAR_CONFIG, bSSRAM), {"ShapeSSRAM"}},
    {"CheckBoxFlash", "FLASH, 8MB", offsetof(DUNMAR_CONFIG, bFlash), {"ShapeFlash"}},
    {"CheckBoxAudio", "Audio", offsetof(DUNMAR_CONFIG, bAudio), {"ShapeAudio"}},
    {"CheckBoxSma", "SMA", offsetof(DUNMAR_CONFIG, bSma), {"ShapeSma"}},
    {"CheckBoxUSB", "USB", offsetof(DUNMAR_CONFIG, bUSB), {"ShapeUSB"}},
    {"CheckBoxEthernet", "Ethernet", offsetof(DUNMAR_CONFIG, bEthernet), {"ShapeEthernet"}},
    {"CheckBoxTvDecoder1", "TV Decoder 1", offsetof(DUNMAR_CONFIG, bTvDecoder1), {"ShapeTvDecoder1"}},
    {"CheckBoxTvDecoder2", "TV Decoder 2", offsetof(DUNMAR_CONFIG, bTvDecoder2), {"ShapeTvDecoder2"}},
    {"CheckBoxIR", "IR", offsetof(DUNMAR_CONFIG, bIR), {"ShapeIR"}},
};
// clang-format on
constexpr THeaderBoardDesign kDesign{MAINBOARD_DUNMAR, "Dunmar FPGA Board", 792, 553, kBoxes};
} // namespace

TFormDunmar::TFormDunmar(QWidget* owner) : THeaderBoardForm<DUNMAR_CONFIG>(owner, kDesign) {}

namespace {
const BoardFormRegistrar kFormRegistrar{MAINBOARD_DUNMAR, MakeBoardForm<TFormDunmar>};
} // namespace
