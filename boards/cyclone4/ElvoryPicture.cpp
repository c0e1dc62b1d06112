// The Elvory board's picture: its parts, and the outlines its form lays over
// them. The form shows the picture at 16, 36 on its panel; the place of the
// two voltage jumpers is marked in green by the form itself.

#include "boards/BoardPicture.h"
#include "boards/cyclone4/ElvoryId.h"

namespace {
using enum PartLook;
// clang-format off
constexpr PicturePart kParts[] = {
    {"ShapeEthernet0", "Eth 1",         4,   0,  40,  44, Connector},
    {"ShapeEthernet1", "Eth 2",        46,   0,  40,  44, Connector},
    {"ShapeUSB",       "USB",          88,   0,  36,  32, Connector},
    {"ShapeVGA",       "VGA",         126,   0,  60,  34, Connector},
    {"ShapeTvDecode",  "TV",          188,   0,  36,  34, Connector},
    {"ShapeAudio",     "Audio",       226,   0,  44,  34, Connector},
    {"ShapeRS232",     "RS-232",      272,   0,  52,  34, Connector},
    {"ShapePS2",       "PS2",         326,   0,  30,  30, Connector},
    {"ShapeSDCARD",    "SD",            4,  52,  44,  40, Connector, true},
    {"ShapeLCD",       "LCD",          52,  52, 100,  36, Lcd},
    {"ShapeOSC",       "50M",         156,  52,  24,  18, Oscillator},
    {"ShapeEEPROM",    "E2",          156,  74,  24,  16, Chip, true},
    {nullptr,          "FPGA",        186,  52,  70,  70, Fpga},
    {"ShapeSDRAM",     "SDRAM",       260,  52,  44,  36, Memory},
    {"ShapeSRAM",      "SRAM",        260,  92,  44,  28, Memory},
    {"ShapeFlash",     "Flash",       308,  52,  44,  36, Memory},
    {"ShapeGpio",      "GPIO",        334,  94,  22, 130, Header},
    {"ShapeSma",       "SMA",         308,  96,  22,  22, Connector},
    {"ShapeIR",        "IR",          156,  96,  24,  20, Chip, true},
    {"ShapeEJTAG",     "EX_IO",        52,  96,  60,  16, Header},
    {"ShapeSeg7",      "HEX",           4, 130, 200,  30, Display},
    {"ShapeHSMC",      "HSMC",        210, 130, 120,  22, Header},
    {"ShapeLEDG8",     "LEDG",        210, 164, 120,  14, Leds},
    {"ShapeLED",       "LEDR",          4, 168, 200,  14, Leds},
    {"ShapeSwitch",    "SW",            4, 190, 220,  26, Switches},
    {"ShapeButton",    "KEY",         230, 190, 100,  26, Keys},
    {nullptr,          "JP6 JP7",     116,  96,  36,  20, Header},
};
// clang-format on
} // namespace

extern const BoardPicture kElvoryPicture{
    MAINBOARD_ELVORY, "ELVORY_400_BITMAP", "Cyclone IV E", "CYCLONE_IV_E_BADGE", 360, 224, kParts,
};

namespace {
const BoardPictureRegistrar kPictureRegistrar{kElvoryPicture};
} // namespace
