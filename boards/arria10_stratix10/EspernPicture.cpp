// The Espern board's picture: its parts, and the outlines its form lays
// over them. The picture sits 6 pixels into the form's panel, so each
// outline's place in the panel is its part's place here plus 6.

#include "boards/BoardPicture.h"
#include "boards/arria10_stratix10/EspernId.h"

namespace {
using enum PartLook;
// clang-format off
constexpr PicturePart kParts[] = {
    {"ShapeOSC",        "OSC",     227,  14, 11, 11, Oscillator, true},
    {"ShapeLED",        "LED",     133,   7, 32,  6, Leds},
    {"ShapeBracketLED", "LED",      44,  17, 26,  9, Leds},
    {"ShapeSwitch",     "SW",      166,   8, 11, 13, Switches},
    {"ShapeButton",     "KEY",     133,  11, 32, 11, Keys},
    {"ShapeTemp",       "T",       318,  66,  9, 10, Chip, true},
    {"ShapePower",      "PM",      302,   8, 12, 13, Chip, true},
    {"ShapeFan",        "FAN",     134,  30, 20,  7, Header},
    {"ShapeFlash",      "Flash",   294, 134, 37, 25, Memory},
    {"ShapePCIe",       "PCIe",    143, 206, 98, 12, Connector},
    {"ShapeRs422",      "RS422",    92,   8, 27, 11, Header},
    {"ShapeGPIO",       "GPIO",    134,  23, 20,  6, Header},
    {"ShapeQsfp_A",     "QSFP+ A",  54, 155, 92, 36, Connector},
    {"ShapeQsfp_B",     "QSFP+ B",  54, 116, 92, 36, Connector},
    {"ShapeQsfp_C",     "QSFP+ C",  54,  77, 92, 36, Connector},
    {"ShapeQsfp_D",     "QSFP+ D",  54,  39, 92, 36, Connector},
    {"ShapeQDRII_A",    "QDR A",   163,  46, 30, 33, Memory},
    {"ShapeQDRII_B",    "QDR B",   204,  33, 33, 30, Memory},
    {"ShapeQDRII_C",    "QDR C",   292,  76, 30, 33, Memory},
    {"ShapeQDRII_D",    "QDR D",   249,  33, 33, 30, Memory},
    {"ShapeQDRII_E",    "QDR E",   162, 145, 30, 33, Memory},
    {"ShapeQDRII_F",    "QDR F",   162,  97, 30, 33, Memory},
    {"ShapeSi5340A",    "A",       180,  15, 14, 14, Chip},
    {"ShapeSi5340B",    "B",       297, 117, 14, 14, Chip},
    {nullptr,           "FPGA",    200,  76, 88, 110, Fpga},
};
// clang-format on
} // namespace

extern const BoardPicture kEspernPicture{
    MAINBOARD_ESPERN, "ESPERN_BITMAP", "Arria 10", "ARRIA_10_BADGE", 400, 250, kParts, 2, 2};

namespace {
const BoardPictureRegistrar kPictureRegistrar{kEspernPicture};
} // namespace
