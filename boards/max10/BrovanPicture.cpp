// The Brovan kit's picture: its parts, and the outlines its form lays over
// them. The drawn picture is the board's selector picture too.

#include "boards/BoardPicture.h"
#include "boards/max10/BrovanId.h"

namespace {
using enum PartLook;
// clang-format off
constexpr PicturePart kParts[] = {
    {"ShapeErgan",          "2x6",          10,   6,  60, 24, Header},
    {"ShapeWistel2",        "LCD",          80,   6, 140, 24, Header},
    {"ShapeMIPI",           "MIPI",        230,   6,  90, 24, Header},
    {"ShapeHdmiRx",         "HDMI RX",     330,  10,  80, 40, Connector},
    {"ShapeEthernet",       "RJ45",        330,  60,  80, 50, Connector},
    {"ShapeUart2Usb",       "UART",        340, 120,  70, 30, Connector},
    {"ShapeSdCard",         "microSD",     340, 160,  70, 30, Connector},
    {"ShapeAudio",          "Audio",       340, 200,  70, 36, Connector},
    {"ShapePS2",            "PS2",         340, 246,  70, 36, Connector},
    {"ShapeDDR3",           "DDR3",        230,  50,  80, 50, Memory},
    {"ShapeQspiFlash",      "QSPI",        230, 110,  50, 30, Chip},
    {"ShapeDAC",            "DAC",         230, 150,  40, 24, Chip},
    {nullptr,               "FPGA",        130,  60,  90, 90, Fpga},
    {"ShapeOSC",            "50M",          90,  40,  32, 24, Oscillator},
    {"ShapeGsensor",        "G",            90,  80,  28, 24, Chip},
    {"ShapeLightSensor",    "LIGHT",        20,  40,  60, 22, Chip},
    {"ShapeHumiditySensor", "RH",           20,  70,  60, 22, Chip},
    {"ShapePowerMonitor",   "PMON",         20, 100,  60, 22, Chip},
    {"ShapeHex",            "HEX1 HEX0",    20, 140,  90, 40, Display},
    {"ShapeLED",            "LEDR",        120, 170, 150, 18, Leds},
    {"ShapeSwitch",         "SW",          120, 200, 150, 24, Switches},
    {"ShapeButton",         "KEY",         120, 240, 150, 30, Keys},
    {nullptr,               "PWR",         280, 250,  40, 40, Power},
};
// clang-format on
} // namespace

extern const BoardPicture kBrovanPicture{
    MAINBOARD_BROVAN, "BROVAN_BITMAP", "MAX 10", "MAX_10_BADGE", 420, 300, kParts,
};

namespace {
const BoardPictureRegistrar kPictureRegistrar{kBrovanPicture};
} // namespace
