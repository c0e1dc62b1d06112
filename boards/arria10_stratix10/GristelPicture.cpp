// The Gristel board's picture: its parts, the three positions of the FMC
// voltage jumper JP2 among them, and the outlines its form lays over them.

#include "boards/BoardPicture.h"
#include "boards/arria10_stratix10/GristelId.h"

namespace {
using enum PartLook;
// clang-format off
constexpr PicturePart kParts[] = {
    {"ShapeFMC",          "FMC",          20,  10, 196,  26, Connector},
    {"ShapeFmc1V8",       "1.8V",        232,  10,  36,  26, Header},
    {"ShapeFmc1V5",       "1.5V",        272,  10,  36,  26, Header},
    {"ShapeFmc1V2",       "1.2V",        312,  10,  36,  26, Header},
    {"ShapeDDR4Socket",   "DDR4 Socket",  10,  50,  40, 220, Memory},
    {"ShapeSDRAM",        "DDR4",         60,  50,  70,  40, Memory},
    {"ShapeHPS",          "HPS",          60, 100,  70,  40, Chip},
    {"ShapeOSC",          "CLK",         150,  60,  60,  24, Oscillator},
    {"ShapeTemperature",  "T",           220,  60,  30,  24, Chip},
    {"ShapeFan",          "Fan",         270,  50,  60,  60, Chip},
    {"ShapeSMA",          "SMA",         350,  50,  40,  30, Connector},
    {"ShapeSFP",          "SFP+",        350,  90,  40,  40, Connector},
    {nullptr,             "FPGA",        150, 110, 100, 100, Fpga},
    {"ShapeEthernet",     "ETH",         350, 140,  40,  40, Connector},
    {"ShapeHDMI",         "HDMI",        350, 190,  40,  34, Connector},
    {"ShapeDisplayPort",  "DP",          350, 232,  40,  34, Connector},
    {"ShapeUSB",          "USB-C",       350, 274,  40,  30, Connector},
    {"ShapeSDI",          "SDI",         350, 312,  40,  30, Connector},
    {"ShapeLED",          "LED",          60, 290,  60,  20, Leds},
    {"ShapeButton",       "KEY",         130, 290,  60,  24, Keys},
    {"ShapeSwitch",       "SW",          200, 290,  60,  24, Switches},
    {"ShapeSeg7",         "7-SEG",       270, 290,  70,  34, Display},
    {nullptr,             "PWR",          10, 290,  40,  40, Power},
    {"ShapePCIe",         "PCI Express",  60, 360, 200,  30, Connector},
    {"ShapeSATA",         "SATA",        270, 360,  80,  30, Connector},
};
// clang-format on
} // namespace

extern const BoardPicture kGristelPicture{
    MAINBOARD_GRISTEL, "GRISTEL_400_BITMAP", "Arria 10 SoC", "ARRIA_10_SOC_BADGE", 400, 400, kParts,
};

namespace {
const BoardPictureRegistrar kPictureRegistrar{kGristelPicture};
} // namespace
