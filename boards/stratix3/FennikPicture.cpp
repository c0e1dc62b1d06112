// The Fennik board's picture: its parts, and the outlines its form lays over
// them. The GPIO headers stand on KIRREL-A's pins, the DDR2 socket on
// KIRREL-B's.

#include "boards/BoardPicture.h"
#include "boards/stratix3/FennikId.h"

namespace {
using enum PartLook;
// clang-format off
constexpr PicturePart kParts[] = {
    {"ShapeKIRREL_A", "KIRREL-A",    10,  10, 180,  24, Connector},
    {"ShapeGPIO_0",   "GPIO-0",      10,  40,  86,  20, Header},
    {"ShapeGPIO_1",   "GPIO-1",     104,  40,  86,  20, Header},
    {"ShapeKIRREL_B", "KIRREL-B",   210,  10, 180,  24, Connector},
    {"ShapeDDR2",     "DDR2 SODIMM", 210,  40, 180,  30, Memory},
    {"ShapeUSB",      "USB OTG",     10,  90,  60,  40, Chip},
    {"ShapeSDCARD",   "SD",          10, 140,  50,  50, Connector, true},
    {nullptr,         "FPGA",       160, 130,  80,  80, Fpga},
    {"ShapeOSC",      "50M",        260, 130,  30,  24, Oscillator},
    {"ShapeTemp",     "T",          260, 170,  30,  20, Chip},
    {"ShapeSma",      "SMA",        320, 100,  60,  24, Connector},
    {"ShapeLED",      "LED",         80, 240, 240,  20, Leds},
    {"ShapeSeg7",     "7-SEG",       80, 270,  60,  34, Display},
    {"ShapeButton",   "KEY",        150, 270,  80,  24, Keys},
    {"ShapeSwitch",   "SW",         240, 270,  80,  24, Switches},
    {"ShapeDIP",      "DIP",        330, 270,  50,  24, Switches},
    {"ShapeKIRREL_C", "KIRREL-C",    10, 366, 180,  24, Connector},
    {"ShapeKIRREL_D", "KIRREL-D",   210, 366, 180,  24, Connector},
};
// clang-format on
} // namespace

extern const BoardPicture kFennikPicture{
    MAINBOARD_FENNIK, "FENNIK_400_BITMAP", "Stratix III", "STRATIX_III_BADGE", 400, 400, kParts,
};

namespace {
const BoardPictureRegistrar kPictureRegistrar{kFennikPicture};
} // namespace
