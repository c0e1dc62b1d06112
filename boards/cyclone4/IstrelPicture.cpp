// The Istrel board's picture: its parts, and the outlines its form lays over
// them. The form shows the picture at 32, 40 on its panel, so each outline
// stands at the place the board's form gives it there.

#include "boards/BoardPicture.h"
#include "boards/cyclone4/IstrelId.h"

namespace {
using enum PartLook;
// clang-format off
constexpr PicturePart kParts[] = {
    {"ShapeGpio0",         "GPIO-0",       66,   0, 239,  23, Header},
    {"ShapeGpio1",         "GPIO-1",       70, 191, 241,  29, Header},
    {"ShapeLED",           "LED",          99,  30, 130,  21, Leds},
    {"ShapeButton",        "KEY",         233,  25,  63,  25, Keys},
    {"ShapeSDRAM",         "SDRAM 32MB",  136,  56,  63, 109, Memory, true},
    {"ShapeEPCS",          "EPCS",        143,  64,  54,  32, Chip},
    {"ShapeEEPROM",        "EEPROM",      152, 128,  26,  17, Chip},
    {"ShapeAccelerometer", "G",           152, 161,  31,  25, Chip},
    {nullptr,              "FPGA",        205,  62,  64,  64, Fpga},
    {"ShapeOSC",           "50M",         255, 151,  27,  37, Oscillator},
    {"ShapeADC",           "ADC",         284, 152,  27,  24, Chip},
    {"ShapeHeader",        "2x13",        321,  31,  29, 155, Header},
    {"ShapeSwitch",        "SW",           62, 156,  38,  33, Switches},
    {nullptr,              "USB",           4,  80,  40,  40, Power},
};
// clang-format on
} // namespace

extern const BoardPicture kIstrelPicture{
    MAINBOARD_ISTREL, "ISTREL_400_BITMAP", "Cyclone IV E", "CYCLONE_IV_E_BADGE", 350, 220, kParts,
};

namespace {
const BoardPictureRegistrar kPictureRegistrar{kIstrelPicture};
} // namespace
