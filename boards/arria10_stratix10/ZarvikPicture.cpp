// The pictures of the Zarvik board and its DDR4 edition: their parts, and
// the outlines their forms lay over them. The editions differ only in the
// memory sockets.

#include "boards/BoardPicture.h"
#include "boards/arria10_stratix10/ZarvikDdr4Id.h"
#include "boards/arria10_stratix10/ZarvikId.h"

namespace {
using enum PartLook;
// clang-format off
#define ZARVIK_PARTS(socket0, socket1, label0, label1)                                  \
    {"ShapeQsfp_D",     "QSFP+ D",     4,   8,  70,  34, Connector},                       \
    {"ShapeQsfp_C",     "QSFP+ C",     4,  46,  70,  34, Connector},                       \
    {"ShapeQsfp_B",     "QSFP+ B",     4,  84,  70,  34, Connector},                       \
    {"ShapeQsfp_A",     "QSFP+ A",     4, 122,  70,  34, Connector},                       \
    {"ShapeRs422",      "RS422",       4, 164,  44,  18, Header},                          \
    {"ShapeBracketLED", "LED",         4, 188,  40,  10, Leds},                            \
    {"ShapeSma",        "SMA",        52, 164,  22,  22, Connector},                       \
    {"ShapeOSC",        "OSC",        82,  20,  14,  14, Oscillator, true},                \
    {"ShapeSi5340A",    "5340A",      80,  60,  20,  20, Chip},                            \
    {"ShapeLED",        "LED",       110,   8,  60,  10, Leds},                            \
    {"ShapeButton",     "KEY",       110,  22,  60,  16, Keys},                            \
    {"ShapeSwitch",     "SW",        176,   8,  24,  30, Switches},                        \
    {"ShapeSeg7",       "7-SEG",     206,   8,  40,  30, Display},                         \
    {"ShapeFan",        "FAN",       252,   8,  40,  16, Header},                          \
    {"ShapeTemp",       "T",         252,  30,  14,  14, Chip, true},                      \
    {"ShapePower",      "PM",        272,  30,  16,  16, Chip, true},                      \
    {"ShapeQDRII_A",    "QDR A",     110,  50,  32,  30, Memory},                          \
    {"ShapeQDRII_B",    "QDR B",     110,  90,  32,  30, Memory},                          \
    {"ShapeQDRII_C",    "QDR C",     110, 130,  32,  30, Memory},                          \
    {"ShapeQDRII_D",    "QDR D",     110, 170,  32,  30, Memory},                          \
    {nullptr,           "FPGA",      152,  60, 100, 100, Fpga},                            \
    {"ShapeFlash",      "Flash",     152, 170,  40,  24, Memory},                          \
    {"ShapeSi5340B",    "5340B",     200, 172,  20,  20, Chip},                            \
    {nullptr,           "PWR",       234, 172,  50,  40, Power},                           \
    {"ShapePCIe",       "PCIe",      110, 224, 170,  20, Connector},                       \
    {socket0,           label0,      300,  10,  40, 220, Memory},                          \
    {socket1,           label1,      350,  10,  40, 220, Memory},
constexpr PicturePart kZarvikParts[] = {
    ZARVIK_PARTS("ShapeDDR3_0", "ShapeDDR3_1", "DDR3 A", "DDR3 B")
};
constexpr PicturePart kZarvikDdr4Parts[] = {
    ZARVIK_PARTS("ShapeDDR4_0", "ShapeDDR4_1", "DDR4 A", "DDR4 B")
};
#undef ZARVIK_PARTS
// clang-format on
} // namespace

extern const BoardPicture kZarvikPicture{
    MAINBOARD_ZARVIK, "ZARVIK_BITMAP", "Arria 10", "ARRIA_10_BADGE", 400, 250, kZarvikParts,
};
extern const BoardPicture kZarvikDdr4Picture{
    MAINBOARD_ZARVIK_DDR4, "ZARVIK_DDR4_BITMAP", "Arria 10", "ARRIA_10_BADGE", 400, 250,
    kZarvikDdr4Parts,
};

namespace {
const BoardPictureRegistrar kZarvikRegistrar{kZarvikPicture};
const BoardPictureRegistrar kZarvikDdr4Registrar{kZarvikDdr4Picture};
} // namespace
