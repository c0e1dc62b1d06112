// The Jorkel board's picture: its parts, and the outlines its form lays over
// them. The form shows the picture at 64, 40 on its panel, so each outline
// stands at the place the board's form gives it there.

#include "boards/BoardPicture.h"
#include "boards/cyclone3/JorkelId.h"

namespace {
using enum PartLook;
// clang-format off
constexpr PicturePart kParts[] = {
    {"ShapeFlash",  "FLASH",      56,  88,  33,  33, Memory},
    {"ShapeSSRAM",  "SSRAM",     108,  88,  53,  33, Memory},
    {"ShapeDDR",    "DDR",       108, 144,  30,  57, Memory},
    {nullptr,       "FPGA",      172,  64,  80,  80, Fpga},
    {"ShapeOSC",    "50M",       182, 168,  21,  17, Oscillator},
    {"ShapeLED",    "LED",       190, 194,  50,  16, Leds},
    {"ShapeButton", "KEY",       168, 212,  92,  21, Keys},
    {"ShapeHSMC",   "HSMC",      272,  48,  25, 145, Header},
    {nullptr,       "POWER",      10,  10,  50,  32, Power},
};
// clang-format on
} // namespace

extern const BoardPicture kJorkelPicture{
    MAINBOARD_JORKEL, "JORKEL_400_BITMAP", "Cyclone III", "CYCLONE_III_BADGE", 300, 236, kParts,
};

namespace {
const BoardPictureRegistrar kPictureRegistrar{kJorkelPicture};
} // namespace
