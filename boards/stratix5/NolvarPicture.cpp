// The Nolvar board's picture: its parts, and the outlines its form lays over
// them. The board selector shows another board's picture for Nolvar, so the
// form's picture has a name of its own.

#include "boards/BoardPicture.h"
#include "boards/stratix5/NolvarId.h"

namespace {
using enum PartLook;
// clang-format off
constexpr PicturePart kParts[] = {
    {nullptr,            "FPGA",          160,  80,  80,  80, Fpga},
    {"ShapeDDR3_0",      "DDR3 A",        100,  30,  50,  24, Memory},
    {"ShapeDDR3_1",      "DDR3 B",        100, 180,  50,  24, Memory},
    {"ShapeQDRII_A",     "QDR A",         250,  30,  34,  24, Memory},
    {"ShapeQDRII_B",     "QDR B",         290,  30,  34,  24, Memory},
    {"ShapeQDRII_C",     "QDR C",         250, 180,  34,  24, Memory},
    {"ShapeQDRII_D",     "QDR D",         290, 180,  34,  24, Memory},
    {"ShapeSfp_A",       "SFP+ A",        350,  40,  46,  28, Connector},
    {"ShapeSfp_B",       "SFP+ B",        350,  74,  46,  28, Connector},
    {"ShapeSata",        "SATA",          350, 120,  40,  16, Connector},
    {"ShapeSi570",       "Si570",         300,  90,  30,  16, Chip},
    {"ShapeCdcm61004",   "CDCM",          300, 120,  30,  16, Chip},
    {"ShapeOSC",         "50M",           254, 132,  16,  14, Oscillator},
    {"ShapeTemp",        "T",             204, 166,  16,  14, Chip},
    {"ShapeFan",         "FAN",           170, 166,  20,  14, Header},
    {"ShapeFlash",       "Flash",          20,  60,  32,  20, Memory},
    {"ShapeRs422",       "RS-422",         10, 100,  56,  40, Connector},
    {"ShapePCIe",        "PCIe x8",       120, 226, 150,  20, Connector},
    {"ShapeLED",         "LED",            10, 196,  50,  14, Leds},
    {"ShapeButton",      "KEY",            10, 220,  40,  16, Keys},
    {"ShapeSwitch",      "DIP",            56, 220,  40,  16, Switches},
};
// clang-format on
} // namespace

extern const BoardPicture kNolvarPicture{
    MAINBOARD_NOLVAR, "NOLVAR_BITMAP", "Stratix V", "STRATIX_V_BADGE", 400, 250, kParts,
};

namespace {
const BoardPictureRegistrar kPictureRegistrar{kNolvarPicture};
} // namespace
