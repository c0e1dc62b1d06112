#include "boards/cyclone2/UI_Bressa.h"
#include "boards/UI_BoardForms.h"
#include "boards/cyclone2/BressaId.h"

#include <cstddef>

namespace {
// The check boxes in two columns, row by row.
// clang-format off
constexpr THeaderBoardBox kBoxes[] = {
    {"CheckBoxOSC", "CLOCK", offsetof(BRESSA_CONFIG, bOSC), {"ShapeOSC"}},
    {"CheckBoxRS232", "RS232", offsetof(BRESSA_CONFIG, bRS232), {"ShapeRS232"}},
    {"CheckBoxLED", "LED x 18", offsetof(BRESSA_CONFIG, bLED), {"ShapeLED"}},
    {"CheckBoxSeg7", "7-Segment x 4", offsetof(BRESSA_CONFIG, bSeg7), {"ShapeSeg7"}},
    {"CheckBoxButton", "Button x 4", offsetof(BRESSA_CONFIG, bButton), {"ShapeButton"}},
    {"CheckBoxSwitch", "Switch x 10", offsetof(BRESSA_CONFIG, bSwitch), {"ShapeSwitch"}},
    {"CheckBoxPS2", "PS2", offsetof(BRESSA_CONFIG, bPS2), {"ShapePS2"}},
    {"CheckBoxSDCARD", "SDCARD", offsetof(BRESSA_CONFIG, bSDCARD), {"ShapeSDCARD"}},
    {"CheckBoxVGA", "VGA", offsetof(BRESSA_CONFIG, bVGA), {"ShapeVGA"}},
    {"CheckBoxSRAM", "SRAM, 512KB", offsetof(BRESSA_CONFIG, bSRAM), {"ShapeSRAM"}},
    {"CheckBoxSDRAM", "SDRAM, 8MB", offsetof(BRESSA_CONFIG, bSDRAM), {"ShapeSDRAM"}},
    {"CheckBoxFlash", "FLASH, 4MB", offsetof(BRESSA_CONFIG, bFlash), {"ShapeFlash"}},
    {"CheckBoxAudio", "Audio", offsetof(BRESSA_CONFIG, bAudio), {"ShapeAudio"}},
    {"CheckBoxSma", "SMA", offsetof(BRESSA_CONFIG, bSma), {"ShapeSma"}},
};
// clang-format on
constexpr THeaderBoardDesign kDesign{MAINBOARD_BRESSA, "Bressa FPGA Board", 793, 517, kBoxes};
} // namespace

TFormBressa::TFormBressa(QWidget* owner) : THeaderBoardForm<BRESSA_CONFIG>(owner, kDesign) {}

namespace {
const BoardFormRegistrar kFormRegistrar{MAINBOARD_BRESSA, MakeBoardForm<TFormBressa>};
} // namespace
