// The Lorsk board's picture: its parts, and the outlines its form lays over
// them. The form shows the picture at 29, 81 on its panel, so each outline
// stands at the place the board's form gives it there.

#include "boards/BoardPicture.h"
#include "boards/cyclone4/LorskId.h"

namespace {
using enum PartLook;
// clang-format off
constexpr PicturePart kParts[] = {
    {"ShapeAudio",    "Audio",        51,   5,  73,  40, Connector},
    {"ShapeVGA",      "VGA",         122,   0,  74,  45, Connector},
    {"ShapeEthernet", "Ethernet",    203,   1,  41,  52, Connector},
    {"ShapeRS232",    "RS-232",      246,   0,  70,  41, Connector},
    {"ShapePS2",      "PS2",         317,  25,  33,  35, Connector},
    {"ShapeOSC",      "50M",         198,  69,  18,  15, Oscillator},
    {"ShapeGpio",     "GPIO",        276,  86,  23, 138, Header},
    {"ShapeHSMC",     "HSMC",        323,  87,  21, 137, Header},
    {"ShapeEEPROM",   "E2",          154,  99,  17,  17, Chip},
    {nullptr,         "FPGA",        186,  96,  64,  64, Fpga},
    {"ShapeLCD",      "LCD",          66, 123, 114,  45, Lcd},
    {"ShapeSDCARD",   "SD",            0, 144,  61,  61, Connector},
    {"ShapeSRAM",     "SRAM",        112, 167,  42,  21, Memory},
    {"ShapeSDRAM",    "SDRAM",       112, 203,  48,  37, Memory},
    {"ShapeFlash",    "Flash",       189, 210,  41,  29, Memory},
    {"ShapeSeg7",     "HEX",          31, 212,  69,  30, Display},
    {"ShapeLED",      "LED",          25, 248, 299,  16, Leds},
    {"ShapeSma",      "SMA",         326, 255,  18,  20, Connector},
    {"ShapeSwitch",   "SW",           32, 267, 156,  27, Switches},
    {"ShapeButton",   "KEY",         196, 269, 123,  26, Keys},
};
// clang-format on
} // namespace

extern const BoardPicture kLorskPicture{
    MAINBOARD_LORSK, "LORSK_400_BITMAP", "Cyclone IV E", "CYCLONE_IV_E_BADGE", 350, 305, kParts, 2};

namespace {
const BoardPictureRegistrar kPictureRegistrar{kLorskPicture};
} // namespace
