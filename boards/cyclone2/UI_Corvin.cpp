#include "boards/cyclone2/UI_Corvin.h"
#include "boards/UI_BoardForms.h"
#include "boards/cyclone2/CorvinId.h"

#include <cstddef>

namespace {
// The check boxes in two columns, row by row.
// clang-format off
constexpr THeaderBoardBox kBoxes[] = {
    {"CheckBoxOSC", "CLOCK", offsetof(CORVIN_CONFIG, bOSC), {"ShapeOSC"}},
    {"CheckBoxRS232", "RS232", offsetof(CORVIN_CONFIG, bRS232), {"ShapeRS232"}},
    {"CheckBoxLED", "LED x 27", offsetof(CORVIN_CONFIG, bLED), {"ShapeLED", "ShapeLEDG8"}},
    {"CheckBoxSeg7", "7-Segment x 8", offsetof(CORVIN_CONFIG, bSeg7), {"ShapeSeg7"}},
    {"CheckBoxButton", "Button x 4", offsetof(CORVIN_CONFIG, bButton), {"ShapeButton"}},
    {"CheckBoxSwitch", "Switch x 18", offsetof(CORVIN_CONFIG, bSwitch), {"ShapeSwitch"}},
    {"CheckBoxPS2", "PS2", offsetof(CORVIN_CONFIG, bPS2), {"ShapePS2"}},
    {"CheckBoxSDCARD", "SDCARD", offsetof(CORVIN_CONFIG, bSDCARD), {"ShapeSDCARD"}},
    {"CheckBoxVGA", "VGA", offsetof(CORVIN_CONFIG, bVGA), {"ShapeVGA"}},
    {"CheckBoxLCD", "LCD", offsetof(CORVIN_CONFIG, bLCD), {"ShapeLCD"}},
    {"CheckBoxSDRAM", "SDRAM, 8MB", offsetof(CORVIN_CONFIG, bSDRAM), {"ShapeSDRAM"}},
    {"CheckBoxFlash", "FLASH, 4MB", offsetof(CORVIN_CONFIG, bFlash), {"ShapeFlash"}},
    {"CheckBoxAudio", "Audio", offsetof(CORVIN_CONFIG, bAudio), {"ShapeAudio"}},
    {"CheckBoxSma", "SMA", offsetof(CORVIN_CONFIG, bSma), {"ShapeSma"}},
    {"CheckBoxSRAM", "SRAM, 512K", offsetof(CORVIN_CONFIG, bSRAM), {"ShapeSRAM"}},
    {"CheckBoxEthernet", "Ethernet", offsetof(CORVIN_CONFIG, bEthernet), {"ShapeEthernet"}},
    {"CheckBoxUSB", "USB", offsetof(CORVIN_CONFIG, bUSB), {"ShapeUSB"}},
    {"CheckBoxTvDecode", "TV Decoder", offsetof(CORVIN_CONFIG, bTvDecode), {"ShapeTvDecode"}},
    {"CheckBoxIR", "IR", offsetof(CORVIN_CONFIG, bIR), {"ShapeIR"}},
};
// clang-format on
constexpr THeaderBoardDesign kDesign{MAINBOARD_CORVIN, "Corvin FPGA Board", 793, 554, kBoxes};
} // namespace

TFormCorvin::TFormCorvin(QWidget* owner) : THeaderBoardForm<CORVIN_CONFIG>(owner, kDesign) {}

namespace {
const BoardFormRegistrar kFormRegistrar{MAINBOARD_CORVIN, MakeBoardForm<TFormCorvin>};
} // namespace
