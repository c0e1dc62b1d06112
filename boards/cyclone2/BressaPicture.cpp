// The Bressa board's picture: its parts, and the outlines its form lays over
// them.

#include "boards/BoardPicture.h"
#include "boards/cyclone2/BressaId.h"

namespace {
using enum PartLook;
// clang-format off
constexpr PicturePart kParts[] = {
    {"ShapeGpio0",  "GPIO-0",          10,   6, 180, 20, Header},
    {"ShapeGpio1",  "GPIO-1",         210,   6, 180, 20, Header},
    {"ShapeSDRAM",  "SDRAM 8MB",       14,  44,  80, 36, Memory},
    {"ShapeSRAM",   "SRAM 512KB",      14,  86,  80, 36, Memory},
    {"ShapeFlash",  "FLASH 4MB",       14, 128,  80, 36, Memory},
    {"ShapeOSC",    "27/50 MHz",      110,  84,  40, 24, Oscillator},
    {"ShapeSma",    "SMA",            110, 120,  40, 24, Connector},
    {nullptr,       "FPGA",           160,  84,  84, 84, Fpga},
    {"ShapeAudio",  "Audio",          254,  38,  60, 40, Connector},
    {"ShapeSDCARD", "SD",             258,  90,  50, 40, Connector},
    {"ShapeVGA",    "VGA",            320,  38,  70, 34, Connector},
    {"ShapeRS232",  "RS232",          320,  78,  70, 34, Connector},
    {"ShapePS2",    "PS2",            320, 118,  70, 30, Connector},
    {"ShapeSeg7",   "HEX3..HEX0",     110, 184, 170, 34, Display},
    {"ShapeLED",    "LEDR / LEDG",     14, 232, 220, 16, Leds},
    {"ShapeSwitch", "SW",              14, 254, 220, 18, Switches},
    {"ShapeButton", "KEY",            250, 236, 100, 32, Keys},
    {nullptr,       "PWR",            356, 236,  36, 32, Power},
};
// clang-format on
} // namespace

extern const BoardPicture kBressaPicture{
    MAINBOARD_BRESSA, "BRESSA_400_BITMAP", "Cyclone II", "CYCLONE_II_BADGE", 400, 300, kParts,
};

namespace {
const BoardPictureRegistrar kPictureRegistrar{kBressaPicture};
} // namespace
