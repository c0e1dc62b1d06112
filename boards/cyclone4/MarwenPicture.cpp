// The Marwen board's picture: its parts, and the outlines its form lays over
// them. The form shows the picture at 16, 40 on its panel.

#include "boards/BoardPicture.h"
#include "boards/cyclone4/MarwenId.h"

namespace {
using enum PartLook;
// clang-format off
constexpr PicturePart kParts[] = {
    {"ShapeEthernet",      "Ethernet",      8,   0,  44,  48, Connector},
    {"ShapeRS232",         "RS-232",       56,   0,  64,  36, Connector},
    {"ShapeVGA",           "VGA",         124,   0,  64,  36, Connector},
    {"ShapeTvDecode",      "TV",          192,   0,  40,  36, Connector},
    {"ShapeSDCARD",        "SD",          236,   0,  48,  40, Connector},
    {"ShapeSma",           "SMA",         290,   0,  24,  24, Connector},
    {"ShapeIR",            "IR",          318,   4,  20,  20, Chip, true},
    {"ShapeGpio",          "GPIO",        342,   0,  22, 150, Header},
    {"ShapeLCD",           "LCD",           8,  56, 112,  40, Lcd},
    {"ShapeOSC",           "50M",         128,  56,  24,  18, Oscillator, true},
    {"ShapeEEPROM",        "E2",          128,  80,  24,  18, Chip},
    {nullptr,              "FPGA",        160,  56,  72,  72, Fpga},
    {"ShapeSDRAM",         "SDRAM",       240,  56,  44,  36, Memory},
    {"ShapeFlash",         "Flash",       240,  96,  44,  30, Memory},
    {"ShapeSSRAM",         "SSRAM",       288,  56,  44,  36, Memory},
    {"ShapeAccelerometer", "G",           288,  98,  26,  22, Chip},
    {"ShapeSeg7",          "HEX",           8, 104, 144,  34, Display},
    {"ShapePCIeHardIP",    "PCIe",         96, 236, 120,  20, Connector},
    {"ShapePCIeSoftIP",    "PCIe soft",   220, 236, 100,  20, Connector},
    {"ShapeHSMC",          "HSMC",        160, 140, 140,  22, Header},
    {"ShapeLED",           "LED",           8, 176, 300,  16, Leds},
    {"ShapeSwitch",        "SW",            8, 200, 200,  28, Switches},
    {"ShapeButton",        "KEY",         216, 200, 120,  28, Keys},
};
// clang-format on
} // namespace

extern const BoardPicture kMarwenPicture{
    MAINBOARD_MARWEN, "MARWEN_BITMAP", "Cyclone IV GX", "CYCLONE_IV_GX_BADGE", 364, 260, kParts,
};

namespace {
const BoardPictureRegistrar kPictureRegistrar{kMarwenPicture};
} // namespace
