// The picture of the Pellix board: its parts, and the outlines its form
// lays over them. The form shows the picture at 6, 6 on its board panel, so
// each outline stands at the place the form gives it there.

#include "boards/BoardPicture.h"
#include "boards/stratix5/PellixId.h"

namespace {
using enum PartLook;
// clang-format off
constexpr PicturePart kPellixParts[] = {
    {"ShapeSfp_A",      "SFP+ A",     4,  16,  46,  22, Connector},
    {"ShapeSfp_B",      "SFP+ B",     4,  42,  46,  22, Connector},
    {"ShapeSfp_C",      "SFP+ C",     4,  68,  46,  22, Connector},
    {"ShapeSfp_D",      "SFP+ D",     4,  94,  46,  22, Connector},
    {"ShapeRs422",      "RS-422",     4, 124,  46,  30, Connector},
    {"ShapeRJ45LED",    "L",         52, 126,  10,  26, Leds},
    {"ShapeBracketLED", "LED",        4, 162,  14,  44, Leds},
    {"ShapeSata_0",     "SATA H",    60, 184,  46,  16, Connector},
    {"ShapeSata_1",     "SATA D",    60, 204,  46,  16, Connector},
    {"ShapeSi570",      "Si570",     70,  54,  38,  20, Chip},
    {"ShapeCdcm61004",  "CDCM",      70,  90,  38,  20, Chip},
    {nullptr,           "FPGA",     150,  70,  90,  84, Fpga},
    {"ShapeLED",        "LED",       80,  10,  72,  14, Leds},
    {"ShapeButton",     "KEY",      160,   8,  72,  18, Keys},
    {"ShapeSwitch",     "SW",       240,   8,  44,  18, Switches},
    {"ShapeOSC",        "50M",      254,  74,  20,  14, Oscillator},
    {"ShapeFan",        "FAN",      252, 100,  26,  14, Header},
    {"ShapeTemp",       "T",        254, 124,  18,  18, Chip},
    {"ShapeFlash",      "Flash",    292,  40,  40,  22, Memory},
    {"ShapeSSRAM",      "SSRAM",    292,  70,  40,  22, Memory},
    {"ShapeSma",        "SMA",      292, 170,  46,  32, Connector},
    {"ShapeHSMC_A",     "HSMC-A",   358,  40,  18, 150, Header},
    {"ShapePCIe",       "PCIe x8",  124, 218, 150,  18, Connector},
    {nullptr,           "POWER",    330,   4,  62,  26, Power},
};
// clang-format on
} // namespace

extern const BoardPicture kPellixPicture{
    MAINBOARD_PELLIX, "PELLIX_BITMAP", "Stratix V", "STRATIX_V_BADGE", 400, 240, kPellixParts,
};

namespace {
const BoardPictureRegistrar kPictureRegistrar{kPellixPicture};
} // namespace
