// The Hollin board's picture: its parts, and the outlines its form lays over
// them.

#include "boards/BoardPicture.h"
#include "boards/stratix4/HollinId.h"

namespace {
using enum PartLook;
// clang-format off
constexpr PicturePart kParts[] = {
    {"ShapeFMC_A",  "FMC-A",        10,  10, 120,  24, Connector},
    {"ShapeFMC_B",  "FMC-B",       140,  10, 120,  24, Connector},
    {"ShapeFMC_C",  "FMC-C",       270,  10, 120,  24, Connector},
    {"ShapeDDR3",   "DDR3 SODIMM",  20,  60,  40, 200, Memory},
    {"ShapeFlash",  "Flash",        80,  60,  60,  30, Memory},
    {"ShapeSSRAM",  "SSRAM",        80, 100,  60,  30, Memory},
    {"ShapeFan",    "Fan",         160,  60,  60,  60, Chip},
    {"ShapeSma",    "SMA",         290,  60,  50,  24, Connector},
    {"ShapeHSMC_A", "HSMC-A",      366,  60,  24, 140, Connector},
    {nullptr,       "FPGA",        160, 150,  80,  80, Fpga},
    {"ShapeOSC",    "50M",         260, 150,  30,  24, Oscillator},
    {"ShapeTemp",   "T",           260, 190,  40,  20, Chip},
    {"ShapeHSMC_B", "HSMC-B",      366, 220,  24, 140, Connector},
    {"ShapeLED",    "LED",          80, 300, 120,  20, Leds},
    {"ShapeButton", "KEY",         210, 300,  80,  24, Keys},
    {"ShapeSwitch", "SW",           80, 330, 120,  24, Switches},
    {"ShapeSeg7",   "7-SEG",       210, 330,  80,  30, Display},
    {"ShapeFMC_D",  "FMC-D",        10, 366, 120,  24, Connector},
    {nullptr,       "PWR",         300, 330,  50,  40, Power},
};
// clang-format on
} // namespace

extern const BoardPicture kHollinPicture{
    MAINBOARD_HOLLIN, "HOLLIN_400_BITMAP", "Stratix IV", "STRATIX_IV_BADGE", 400, 400, kParts,
};

namespace {
const BoardPictureRegistrar kPictureRegistrar{kHollinPicture};
} // namespace
