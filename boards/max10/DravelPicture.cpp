// The Dravel board's picture: its parts, and the outlines its form lays over
// them. The drawn picture is the board's selector picture too.

#include "boards/BoardPicture.h"
#include "boards/max10/DravelId.h"

namespace {
using enum PartLook;
// clang-format off
constexpr PicturePart kParts[] = {
    {"ShapeGpio",          "GPIO",          10,   6, 200, 22, Header},
    {"ShapeArduino_0",     "Arduino",      230,   6, 170, 18, Header},
    {"ShapeArduino_1",     "Arduino",      230, 276, 170, 18, Header},
    {"ShapeVGA",           "VGA",          330,  40,  70, 40, Connector},
    {"ShapeSDRAM",         "SDRAM 64MB",   240,  60,  70, 50, Memory},
    {"ShapeAccelerometer", "G",            240, 130,  30, 24, Chip},
    {nullptr,              "FPGA",         120,  60,  90, 90, Fpga},
    {"ShapeOSC",           "50M",           70,  50,  32, 24, Oscillator},
    {"ShapeSeg7",          "HEX5..HEX0",    20, 170, 200, 40, Display},
    {"ShapeLED",           "LEDR",          20, 220, 200, 16, Leds},
    {"ShapeSwitch",        "SW",            20, 246, 200, 24, Switches},
    {"ShapeButton",        "KEY",          240, 220,  70, 40, Keys},
    {nullptr,              "USB",          330, 100,  60, 40, Power},
};
// clang-format on
} // namespace

extern const BoardPicture kDravelPicture{
    MAINBOARD_DRAVEL, "DRAVEL_BITMAP", "MAX 10", "MAX_10_BADGE", 420, 300, kParts,
};

namespace {
const BoardPictureRegistrar kPictureRegistrar{kDravelPicture};
} // namespace
