// The Jorvath board's picture: its parts, and the outlines its form lays
// over them. The form shows the picture at 8, 40 on its panel, so each
// outline stands at the place the board's form gives it there. The DDR2
// socket lies under the LEDs and the oscillator, so it is drawn first.

#include "boards/BoardPicture.h"
#include "boards/cyclone3/JorvathId.h"

namespace {
using enum PartLook;
// clang-format off
constexpr PicturePart kParts[] = {
    {"ShapeDDR2",    "DDR2 SODIMM", 136,   8, 153,  57, Memory, true},
    {"ShapeLED",     "LED",         168,   8,  33,  25, Leds},
    {"ShapeOSC",     "100M",        202,  34,  20,  20, Oscillator},
    {"ShapeButton",  "KEY",          64,   8,  33,  17, Keys},
    {"ShapePio",     "PIO",          24,   8,  41,  17, Header},
    {"ShapeKIRREL3", "KIRREL 3",     64,  48,  25, 129, Header},
    {"ShapeKIRREL2", "KIRREL 2",    150,  48,  25, 129, Header},
    {"ShapeKIRREL1", "KIRREL 1",    296,  48,  25, 129, Header},
    {nullptr,        "FPGA",        196,  70,  80,  72, Fpga},
    {"ShapeBridge",  "PCI",         200, 152,  49,  41, Chip},
    {nullptr,        "PCI EDGE",    100, 200, 200,  16, Connector},
};
// clang-format on
} // namespace

extern const BoardPicture kJorvathPicture{
    MAINBOARD_JORVATH, "JORVATH_400_BITMAP", "Cyclone III", "CYCLONE_III_BADGE", 400, 219, kParts,
};

namespace {
const BoardPictureRegistrar kPictureRegistrar{kJorvathPicture};
} // namespace
