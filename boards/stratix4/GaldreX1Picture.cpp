// The pictures of the Galdre_X1 board and of the Lumbrel board, which shows
// the same layout: their parts, and the outlines their forms lay over them.
// The forms show the picture at 6, 6 on their board panel, so each outline
// stands at the place the form gives it there.

#include "boards/BoardPicture.h"
#include "boards/stratix4/GaldreX1Id.h"
#include "boards/stratix4/LumbrelId.h"

namespace {
using enum PartLook;
// clang-format off
constexpr PicturePart kGaldreX1Parts[] = {
    {"ShapeDDR2_0",      "DDR2 SODIMM 1", 138,   4,  96,  52, Memory},
    {"ShapeDDR2_1",      "DDR2 SODIMM 2", 137, 145, 102,  52, Memory},
    {"ShapeHSMC_A",      "HSMC-A",         84,  97,  16,  87, Header},
    {"ShapeHSMC_B",      "HSMC-B",        260,  97,  16,  87, Header},
    {nullptr,            "FPGA",          120,  74,  80,  64, Fpga},
    {"ShapeOSC",         "50M",           245, 105,  14,  13, Oscillator},
    {"ShapeSlideSwitch", "SW",             28,  30,  37,  15, Switches},
    {"ShapeLED",         "LED",            22,  14,  44,  17, Leds},
    {"ShapeSeg7",        "8",               1,  24,  28,  22, Display},
    {"ShapeButton",      "KEY",             5,  48,  60,  16, Keys},
    {"ShapeSwitch",      "DIP",            76,  46,  25,  18, Switches},
    {"ShapeSma",         "SMA",           289, 113,  50,  63, Connector},
    {"ShapeTemp",        "T",             248,  84,  17,  16, Chip},
    {"ShapeUsbOTG",      "USB OTG",        86,  11,  47,  31, Chip},
    {"ShapeCurrent",     "ADC",           350,  88,  33,  17, Chip, true},
    {"ShapeFan",         "FAN",           237,  44,  14,  15, Header},
    {"ShapeSDCARD",      "SD",            126,  17,  27,  31, Connector, true},
    {"ShapeFlash",       "Flash",         184, 173,  22,  18, Memory},
    {"ShapeEEPROM",      "E",             123, 156,  12,  14, Chip, true},
    {"ShapeSSRAM",       "SRAM",          155, 167,  27,  24, Memory},
    {"ShapeRs232",       "RS232",         368,  36,  32,  44, Connector},
    {"ShapeExtPLL0",     "PLL",           314, 177,  16,  17, Chip},
    {"ShapeExtPLL1",     "PLL",           282, 153,  16,  17, Chip},
    {"ShapeExtPLL2",     "PLL",           218, 175,  16,  17, Chip, true},
    {"ShapeEthernet",    "ETH",             0,  91,  47, 105, Connector},
    {"ShapeSata_0",      "S",             237,  29,  25,  12, Connector},
    {"ShapeSata_1",      "S",             263,  29,  25,  12, Connector},
    {"ShapeSata_2",      "S",             237,  16,  25,  12, Connector},
    {"ShapeSata_3",      "S",             263,  16,  25,  12, Connector},
    {"ShapePCIe",        "PCIe",           64, 198,  76,  15, Connector},
    {"ShapeGpio0",       "GPIO-0",        346, 113,  17,  85, Header},
    {"ShapeGpio1",       "GPIO-1",        373, 113,  17,  85, Header},
    {nullptr,            "POWER",         350,   2,  46,  28, Power},
};
// The Lumbrel form has one outline over the programmable PLL.
constexpr PicturePart kLumbrelParts[] = {
    {"ShapeDDR2_0",      "DDR2 SODIMM 1", 138,   4,  96,  52, Memory},
    {"ShapeDDR2_1",      "DDR2 SODIMM 2", 137, 145, 102,  52, Memory},
    {"ShapeHSMC_A",      "HSMC-A",         84,  97,  16,  87, Header},
    {"ShapeHSMC_B",      "HSMC-B",        260,  97,  16,  87, Header},
    {nullptr,            "FPGA",          120,  74,  80,  64, Fpga},
    {"ShapeOSC",         "50M",           245, 105,  14,  13, Oscillator},
    {"ShapeSlideSwitch", "SW",             28,  30,  37,  15, Switches},
    {"ShapeLED",         "LED",            22,  14,  44,  17, Leds},
    {"ShapeSeg7",        "8",               1,  24,  28,  22, Display},
    {"ShapeButton",      "KEY",             5,  48,  60,  16, Keys},
    {"ShapeSwitch",      "DIP",            76,  46,  25,  18, Switches},
    {"ShapeSma",         "SMA",           289, 113,  50,  63, Connector},
    {"ShapeTemp",        "T",             248,  84,  17,  16, Chip},
    {"ShapeUsbOTG",      "USB OTG",        86,  11,  47,  31, Chip},
    {"ShapeCurrent",     "ADC",           350,  88,  33,  17, Chip, true},
    {"ShapeFan",         "FAN",           237,  44,  14,  15, Header},
    {"ShapeSDCARD",      "SD",            126,  17,  27,  31, Connector, true},
    {"ShapeFlash",       "Flash",         184, 173,  22,  18, Memory},
    {"ShapeEEPROM",      "E",             123, 156,  12,  14, Chip, true},
    {"ShapeSSRAM",       "SRAM",          155, 167,  27,  24, Memory},
    {"ShapeExtPLL",      "PLL",           314, 177,  16,  17, Chip},
    {"ShapeEthernet",    "ETH",             0,  91,  47, 105, Connector},
    {"ShapeSata_0",      "S",             237,  29,  25,  12, Connector},
    {"ShapeSata_1",      "S",             263,  29,  25,  12, Connector},
    {"ShapeSata_2",      "S",             237,  16,  25,  12, Connector},
    {"ShapeSata_3",      "S",             263,  16,  25,  12, Connector},
    {"ShapePCIe",        "PCIe",           64, 198,  76,  15, Connector},
    {"ShapeGpio0",       "GPIO-0",        346, 113,  17,  85, Header},
    {"ShapeGpio1",       "GPIO-1",        373, 113,  17,  85, Header},
    {nullptr,            "RS232",         368,  36,  32,  44, Connector},
    {nullptr,            "POWER",         350,   2,  46,  28, Power},
};
// clang-format on
} // namespace

// clang-format off
extern const BoardPicture kGaldreX1Picture{
    MAINBOARD_GALDRE_X1, "GALDRE_X1_400_BITMAP", "Stratix IV", "STRATIX_IV_BADGE", 400, 213,
    kGaldreX1Parts, 2, // the form's outlines are 2 pixels wide, dotted ones 1
};
// clang-format on
extern const BoardPicture kLumbrelPicture{
    MAINBOARD_LUMBREL, "LUMBREL_400_BITMAP", "Stratix IV", "STRATIX_IV_BADGE", 400, 213,
    kLumbrelParts,
};

namespace {
const BoardPictureRegistrar kGaldreX1Registrar{kGaldreX1Picture};
const BoardPictureRegistrar kLumbrelRegistrar{kLumbrelPicture};
} // namespace
