// The Galdre_X2 board's picture: its parts, and the outlines its form lays
// over them. The form shows the picture at 8, 64 on its panel.

#include "boards/BoardPicture.h"
#include "boards/stratix4/GaldreX2Id.h"

namespace {
using enum PartLook;
// clang-format off
constexpr PicturePart kParts[] = {
    {"ShapeEthernet",   "Ethernet",      6,   4,  64,  37, Connector},
    {"ShapeFlash",      "Flash",         6,  52,  64,  37, Memory},
    {"ShapeEEPROM",     "EEPROM",        6, 100,  64,  37, Chip},
    {"ShapeUSB",        "USB FIFO",    162,  16, 119,  41, Chip},
    {"ShapeSma",        "SMA",         326,  18,  67,  28, Connector},
    {"ShapeDDR3",       "DDR3",        334,  60,  64,  37, Memory},
    {"ShapePCIe",       "PCIe",        334, 108,  64,  37, Connector},
    {"ShapeSSRAM",      "SSRAM",       334, 156,  58,  37, Memory},
    {"ShapeFPGABridge", "Bridge",      326, 218,  67,  28, Chip},
    {"ShapeDDR2",       "DDR2 SODIMM", 334, 252,  64, 189, Memory},
    {"ShapeHSMC_D",     "HSMC-D",       86,  44,  24, 170, Connector},
    {"ShapeHSMC_A",     "HSMC-A",      288,  44,  24, 170, Connector},
    {"ShapeHSMC_C",     "HSMC-C",       86, 260,  24, 170, Connector},
    {"ShapeHSMC_B",     "HSMC-B",      288, 260,  24, 170, Connector},
    {"ShapeOSC",        "OSC",         180,  98,  22,  17, Oscillator},
    {nullptr,           "FPGA 1",      130, 124,  80,  80, Fpga},
    {nullptr,           "FPGA 2",      130, 232,  80,  80, Fpga},
    {"ShapeFan",        "Fan",         254, 322,  35,  28, Chip},
    {"ShapeTemp",       "T",           120, 336,  33,  17, Chip},
    {"ShapeLED",        "LED",         120, 376, 113,  17, Leds},
    {"ShapeLCD",        "LCD",         182, 398,  36,  22, Lcd},
    {"ShapeSDCARD",     "SD",           16, 386,  65,  66, Connector, true},
    {"ShapeSwitch",     "SW",          124, 428,  53,  23, Switches},
    {"ShapeButton",     "KEY",         182, 428,  99,  24, Keys},
};
// clang-format on
} // namespace

extern const BoardPicture kGaldreX2Picture{
    MAINBOARD_GALDRE_X2, "GALDRE_X2_400_BITMAP", "Stratix IV", "STRATIX_IV_BADGE", 400, 452, kParts,
};

namespace {
const BoardPictureRegistrar kPictureRegistrar{kGaldreX2Picture};
} // namespace
