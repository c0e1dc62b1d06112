// The Corvin board's picture: its parts, and the outlines its form lays over
// them.

#include "boards/BoardPicture.h"
#include "boards/cyclone2/CorvinId.h"

namespace {
using enum PartLook;
// clang-format off
constexpr PicturePart kParts[] = {
    {"ShapeGpio0",    "GPIO-0",        10,   6, 180, 20, Header},
    {"ShapeGpio1",    "GPIO-1",       210,   6, 180, 20, Header},
    {"ShapeSDRAM",    "SDRAM 8MB",     14,  40,  76, 32, Memory},
    {"ShapeSRAM",     "SRAM 512K",     14,  78,  76, 32, Memory},
    {"ShapeFlash",    "FLASH 4MB",     14, 116,  76, 32, Memory},
    {"ShapeUSB",      "USB",           14, 156,  76, 32, Connector},
    {"ShapeOSC",      "27/50 MHz",    110,  84,  40, 24, Oscillator},
    {"ShapeSma",      "SMA",          110, 118,  40, 24, Connector},
    {"ShapeSDCARD",   "SD",           110, 152,  40, 30, Connector},
    {"ShapeIR",       "IR",           110, 190,  40, 24, Chip},
    {nullptr,         "FPGA",         160,  80,  84, 84, Fpga},
    {"ShapeLCD",      "LCD",          250,  34, 140, 32, Lcd},
    {"ShapeAudio",    "Audio",        250,  74,  60, 34, Connector},
    {"ShapeEthernet", "Ethernet",     320,  74,  70, 34, Connector},
    {"ShapeTvDecode", "TV",           250, 114,  60, 34, Chip},
    {"ShapeVGA",      "VGA",          320, 114,  70, 34, Connector},
    {"ShapePS2",      "PS2",          250, 154,  60, 30, Connector},
    {"ShapeRS232",    "RS232",        320, 154,  70, 30, Connector},
    {"ShapeSeg7",     "HEX7..HEX0",   160, 190, 200, 30, Display},
    {"ShapeLED",      "LEDR / LEDG",   14, 232, 260, 14, Leds},
    {"ShapeLEDG8",    "",             300, 230,  18, 18, Leds},
    {"ShapeSwitch",   "SW",            14, 252, 260, 18, Switches},
    {"ShapeButton",   "KEY",          290, 256, 100, 34, Keys},
};
// clang-format on
} // namespace

extern const BoardPicture kCorvinPicture{
    MAINBOARD_CORVIN, "CORVIN_400_BITMAP", "Cyclone II", "CYCLONE_II_BADGE", 400, 310, kParts,
};

namespace {
const BoardPictureRegistrar kPictureRegistrar{kCorvinPicture};
} // namespace
