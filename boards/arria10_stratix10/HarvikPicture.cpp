// The Harvik board's picture: its parts, and the outlines its form lays over
// them.

#include "boards/BoardPicture.h"
#include "boards/arria10_stratix10/HarvikId.h"

namespace {
using enum PartLook;
// clang-format off
constexpr PicturePart kParts[] = {
    {"ShapeDDR4Socket_A", "DDR4 Socket A",  70,  10, 150,  26, Memory},
    {"ShapeDDR4Socket_B", "DDR4 Socket B", 240,  10, 150,  26, Memory},
    {"ShapeQSFP28_A",     "QSFP28 A",       10,  60,  44,  40, Connector},
    {"ShapeFlash",        "Flash",          70,  60,  60,  30, Memory},
    {"ShapePowerCore",    "VCC",           150,  60,  50,  30, Chip},
    {"ShapeFan",          "Fan",           270,  60,  60,  60, Chip},
    {"ShapePower12V",     "12V",           340,  60,  50,  30, Power},
    {"ShapeQSFP28_B",     "QSFP28 B",       10, 110,  44,  40, Connector},
    {nullptr,             "FPGA",          150, 150, 100, 100, Fpga},
    {"ShapeOSC",          "50M",           270, 150,  30,  24, Oscillator},
    {"ShapeMMCX",         "MMCX",          340, 150,  40,  24, Connector},
    {"ShapeQSFP28_C",     "QSFP28 C",       10, 160,  44,  40, Connector},
    {"ShapeTemperature",  "T",             270, 190,  40,  20, Chip},
    {"ShapeGPIO2x5",      "2x5",           340, 200,  40,  40, Header},
    {"ShapeQSFP28_D",     "QSFP28 D",       10, 210,  44,  40, Connector},
    {"ShapeLED",          "LED",            70, 300, 100,  20, Leds},
    {"ShapeButton",       "KEY",           180, 300,  60,  24, Keys},
    {"ShapeSwitch",       "SW",            250, 300,  60,  24, Switches},
    {"ShapePCIe",         "PCIe x16",       70, 330, 240,  24, Connector},
    {"ShapeDDR4Socket_C", "DDR4 Socket C",  70, 364, 150,  26, Memory},
    {"ShapeDDR4Socket_D", "DDR4 Socket D", 240, 364, 150,  26, Memory},
};
// clang-format on
} // namespace

extern const BoardPicture kHarvikPicture{
    MAINBOARD_HARVIK, "HARVIK_BITMAP", "Stratix 10", "STRATIX_10_BADGE", 400, 400, kParts,
};

namespace {
const BoardPictureRegistrar kPictureRegistrar{kHarvikPicture};
} // namespace
