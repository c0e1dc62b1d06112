// The picture of the Calvet board: its parts, and the outlines its form lays
// over them (the eighteen peripheral groups, the GPIO header and the four
// FMC ports).

#include "boards/BoardPicture.h"
#include "boards/stratix5/CalvetId.h"

namespace {
using enum PartLook;
// clang-format off
constexpr PicturePart kParts[] = {
    {"ShapeFmc_A",      "FMC-A",        10,   4,  90,  22, Header},
    {"ShapeFmc_B",      "FMC-B",       110,   4,  70,  22, Header},
    {"ShapeFmc_C",      "FMC-C",       190,   4,  70,  22, Header},
    {"ShapeFmc_D",      "FMC-D",       270,   4,  90,  22, Header},
    {nullptr,           "FPGA",        150,  70,  80,  70, Fpga},
    {"ShapeDDR3",       "DDR3 SODIMM", 318,  44,  78, 118, Memory},
    {"ShapeUart2Usb",   "UART",         10,  60,  30,  30, Connector},
    {"ShapeSdcard",     "SD",           10, 104,  26,  26, Connector, true},
    {"ShapeSma",        "SMA",          50,  36,  40,  28, Connector},
    {"ShapeCDCM6208",   "CDCM",         96,  80,  32,  20, Chip},
    {"ShapeLMK04906",   "LMK",          96, 112,  32,  20, Chip},
    {"ShapeOSC",        "50M",         240, 100,  16,  13, Oscillator},
    {"ShapeFan",        "FAN",         262,  96,  44,  14, Header},
    {"ShapeSataHost",   "S-H",         260, 122,  26,  12, Connector},
    {"ShapeSataDevice", "S-D",         289, 122,  26,  12, Connector},
    {"ShapeLED",        "LED",          20, 160,  44,  14, Leds},
    {"ShapeSwitch",     "SW",           70, 160,  30,  16, Switches},
    {"ShapeButton",     "KEY",          20, 182,  60,  16, Keys},
    {"ShapeTemp",       "T",           108, 160,  16,  16, Chip, true},
    {"ShapePower",      "PM",          130, 160,  26,  16, Chip},
    {"ShapeSSRAM",      "SRAM",        162, 160,  30,  24, Memory},
    {"ShapeFlash",      "Flash",       198, 160,  30,  24, Memory},
    {"ShapeGpio",       "GPIO",        250, 170,  62,  16, Header},
    {"ShapePCIe",       "PCIe",         40, 222, 120,  15, Connector},
    {nullptr,           "POWER",       346, 190,  46,  28, Power},
};
// clang-format on
} // namespace

extern const BoardPicture kCalvetPicture{
    MAINBOARD_CALVET, "CALVET_400_BITMAP", "Stratix V", "STRATIX_V_BADGE", 400, 240, kParts,
};

namespace {
const BoardPictureRegistrar kPictureRegistrar{kCalvetPicture};
} // namespace
