// The Alvek board's picture: its parts, and the outlines its form lays over
// them.

#include "boards/BoardPicture.h"
#include "boards/cyclone3/AlvekId.h"

namespace {
using enum PartLook;
// clang-format off
constexpr PicturePart kParts[] = {
    {"ShapeGpio0",  "GPIO-0",          10,   6, 180, 20, Header},
    {"ShapeGpio1",  "GPIO-1",         210,   6, 180, 20, Header},
    {"ShapeSDRAM",  "SDRAM 8MB",       14,  44,  80, 40, Memory},
    {"ShapeFlash",  "FLASH 4MB",       14,  92,  80, 40, Memory},
    {"ShapeOSC",    "50 MHz",         116,  84,  36, 24, Oscillator},
    {nullptr,       "FPGA",           160,  80,  84, 84, Fpga},
    {"ShapeLCD",    "LCD (Option)",   254,  38, 136, 36, Lcd, true},
    {"ShapeSDCARD", "SD",             258,  84,  50, 40, Connector},
    {"ShapeVGA",    "VGA",            320,  84,  70, 34, Connector},
    {"ShapeRS232",  "RS232",          320, 124,  70, 34, Connector},
    {"ShapePS2",    "PS2",            320, 164,  70, 30, Connector},
    {"ShapeSeg7",   "HEX3..HEX0",     110, 178, 170, 34, Display},
    {"ShapeLED",    "LED",             14, 220, 180, 16, Leds},
    {"ShapeSwitch", "SW",              14, 238, 180, 18, Switches},
    {"ShapeButton", "BUTTON",         230, 222, 100, 32, Keys},
    {nullptr,       "POWER",          340, 222,  50, 32, Power},
};
// clang-format on
} // namespace

extern const BoardPicture kAlvekPicture{
    MAINBOARD_ALVEK, "ALVEK_400_BITMAP", "Cyclone III", "CYCLONE_III_BADGE", 400, 260, kParts,
};

namespace {
const BoardPictureRegistrar kPictureRegistrar{kAlvekPicture};
} // namespace
