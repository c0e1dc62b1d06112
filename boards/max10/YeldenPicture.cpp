// The Yelden board's picture: its parts, and the outlines its form lays over
// them. The drawn picture is the board's selector picture too.

#include "boards/BoardPicture.h"
#include "boards/max10/YeldenId.h"

namespace {
using enum PartLook;
// clang-format off
constexpr PicturePart kParts[] = {
    {"ShapeBBB_P8",         "P8",           10,   6, 190, 18, Header},
    {"ShapeBBB_P9",         "P9",           10, 276, 190, 18, Header},
    {"ShapeHdmiTx",         "HDMI TX",     330,  10,  80, 40, Connector},
    {"ShapeEthernet",       "RJ45",        330,  60,  80, 50, Connector},
    {"ShapeUsb",            "USB",         340, 120,  70, 36, Connector},
    {"ShapeSdCard",         "microSD",     340, 166,  70, 36, Connector},
    {"ShapeAudio",          "Audio",       340, 212,  70, 40, Connector},
    {"ShapeMIPI",           "MIPI",        220,   6, 100, 24, Header},
    {"ShapeDDR3",           "DDR3",        230,  50,  80, 50, Memory},
    {"ShapeFlash",          "QSPI",        230, 110,  50, 30, Chip},
    {nullptr,               "FPGA",        130,  70,  90, 90, Fpga},
    {"ShapeOSC",            "50M",          90,  40,  32, 24, Oscillator},
    {"ShapeGsensor",        "G",            90,  80,  28, 24, Chip},
    {"ShapeTempSensor",     "TEMP",         90, 114,  32, 22, Chip},
    {"ShapeLightSensor",    "LIGHT",        20,  40,  60, 22, Chip},
    {"ShapeHumiditySensor", "RH",           20,  70,  60, 22, Chip},
    {"ShapePowerMonitor",   "PMON",         20, 100,  60, 22, Chip},
    {"ShapeCapButton",      "CAP",          20, 130,  60, 26, Keys},
    {"ShapeSMA_ADC",        "SMA",          20, 166,  40, 26, Connector},
    {"ShapeLED",            "LED",         130, 176, 140, 18, Leds},
    {"ShapeButton",         "KEY",         130, 204,  70, 30, Keys},
    {"ShapeSwitch",         "SW",          210, 204,  60, 30, Switches},
    {nullptr,               "PWR",         280, 250,  40, 40, Power},
};
// clang-format on
} // namespace

extern const BoardPicture kYeldenPicture{
    MAINBOARD_YELDEN, "YELDEN_BITMAP", "MAX 10", "MAX_10_BADGE", 420, 300, kParts,
};

namespace {
const BoardPictureRegistrar kPictureRegistrar{kYeldenPicture};
} // namespace
