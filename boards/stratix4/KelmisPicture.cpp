// The picture of the Kelmis board: its parts, and the outlines its form
// lays over them. The form shows the picture at 9, 10 on its board panel, so
// each outline stands at the place the form gives it there.

#include "boards/BoardPicture.h"
#include "boards/stratix4/KelmisId.h"

namespace {
using enum PartLook;
// clang-format off
constexpr PicturePart kKelmisParts[] = {
    {"ShapeHSMC_E",   "HSMC-E",       83,  10,  80,  14, Header},
    {"ShapeHSMC_A",   "HSMC-A",       57,  34,  14,  80, Header},
    {"ShapeHSMC_D",   "HSMC-D",      181,  34,  14,  80, Header},
    {"ShapeHSMC_B",   "HSMC-B",       57, 170,  14,  80, Header},
    {"ShapeHSMC_C",   "HSMC-C",      181, 170,  14,  80, Header},
    {"ShapeHSMC_F",   "HSMC-F",       84, 259,  80,  14, Header},
    {"ShapeGpio0",    "G0",          204, 171,  12,  74, Header},
    {"ShapeGpio1",    "G1",          230, 171,  12,  74, Header},
    {"ShapeDDR3",     "DDR3 SODIMM",  77,  48,  96,  41, Memory},
    {nullptr,         "FPGA",         88,  98,  80,  64, Fpga},
    {"ShapeSSRAM",    "SRAM",        143,  30,  30,  17, Memory},
    {"ShapeFlash",    "F",           200,  52,  11,  16, Memory},
    {"ShapeExtPll_1", "P",           221,  59,  10,  10, Chip},
    {"ShapeExtPll_0", "P",           224,  92,  10,  10, Chip},
    {"ShapeExtPll_2", "P",           199, 105,  10,  10, Chip},
    {"ShapeTemp",     "T",           224, 108,   9,  10, Chip},
    {"ShapePCIe_0",   "PCIe 0",      202, 123,  48,  38, Connector},
    {"ShapePCIe_1",   "PCIe 1",        3, 123,  48,  38, Connector},
    {"ShapeOSC",      "O",           218, 182,   8,  10, Oscillator},
    {"ShapeFan",      "FAN",          89, 181,  14,  13, Header},
    {"ShapeLED",      "LED",          74, 233,  37,  10, Leds},
    {"ShapeSwitch",   "SW",           74, 244,  37,  12, Switches},
    {"ShapeButton",   "KEY",         131, 243,  47,  12, Keys},
    {"ShapeSma",      "SMA",         175, 251,  57,  23, Connector},
    {nullptr,         "POWER",         3,  10,  46,  28, Power},
};
// clang-format on
} // namespace

// clang-format off
extern const BoardPicture kKelmisPicture{
    MAINBOARD_KELMIS, "KELMIS_400_BITMAP", "Stratix IV", "STRATIX_IV_BADGE", 250, 285, kKelmisParts,
    2, // the form's outlines are 2 pixels wide
};
// clang-format on

namespace {
const BoardPictureRegistrar kPictureRegistrar{kKelmisPicture};
} // namespace
