// The Ombrel board's picture: its parts, and the outlines its form lays over
// them.

#include "boards/BoardPicture.h"
#include "boards/stratix5/OmbrelId.h"

namespace {
using enum PartLook;
// clang-format off
constexpr PicturePart kParts[] = {
    {"ShapeDDR3_0",      "DDR3 SODIMM A",  10,  20,  40, 150, Memory},
    {"ShapeDDR3_1",      "DDR3 SODIMM B",  56,  20,  40, 150, Memory},
    {nullptr,            "FPGA",          150,  80,  90,  80, Fpga},
    {"ShapeQDRII_A",     "QDR A",         108,  34,  36,  26, Memory},
    {"ShapeQDRII_B",     "QDR B",         246,  34,  36,  26, Memory},
    {"ShapeQDRII_C",     "QDR C",         108, 180,  36,  26, Memory},
    {"ShapeQDRII_D",     "QDR D",         246, 180,  36,  26, Memory},
    {"ShapeSata_0",      "SH0",           186,   4,  30,  16, Connector},
    {"ShapeSata_1",      "SH1",           220,   4,  30,  16, Connector},
    {"ShapeSata_2",      "SD0",           254,   4,  30,  16, Connector},
    {"ShapeSata_3",      "SD1",           288,   4,  30,  16, Connector},
    {"ShapeCdcm61004",   "CDCM",          150,   4,  30,  16, Chip},
    {"ShapeSfp_A",       "SFP+ A",        350,  20,  46,  28, Connector},
    {"ShapeSfp_B",       "SFP+ B",        350,  52,  46,  28, Connector},
    {"ShapeSfp_C",       "SFP+ C",        350,  84,  46,  28, Connector},
    {"ShapeSfp_D",       "SFP+ D",        350, 116,  46,  28, Connector},
    {"ShapeSi570",       "Si570",         296,  60,  30,  16, Chip},
    {"ShapeCdcm61001",   "CDCM",          296, 100,  30,  16, Chip},
    {"ShapeOSC",         "50M",           252, 130,  16,  14, Oscillator},
    {"ShapeTemp",        "T",             200, 166,  16,  14, Chip},
    {"ShapeFan",         "FAN",           170, 166,  20,  14, Header},
    {"ShapeSma",         "SMA",           330, 156,  30,  30, Connector},
    {"ShapeFlash",       "Flash",         290, 200,  32,  20, Memory},
    {"ShapeRs422",       "RS-422",        340, 196,  56,  32, Connector},
    {"ShapeBracketLED",  "LED",           330, 236,  30,  16, Leds},
    {"ShapeRJ45LED",     "LED",           366, 236,  30,  16, Leds},
    {"ShapePCIe",        "PCIe",          120, 236, 150,  20, Connector},
    {"ShapeLED",         "LED",            10, 184,  70,  14, Leds},
    {"ShapeSeg7",        "88",             10, 204,  40,  28, Display},
    {"ShapeButton",      "KEY",            56, 204,  54,  16, Keys},
    {"ShapeSwitch",      "SW",             56, 226,  44,  16, Switches},
};
// clang-format on
} // namespace

extern const BoardPicture kOmbrelPicture{
    MAINBOARD_OMBREL, "OMBREL_BITMAP", "Stratix V", "STRATIX_V_BADGE", 400, 260, kParts,
};

namespace {
const BoardPictureRegistrar kPictureRegistrar{kOmbrelPicture};
} // namespace
