// The Kelvane board's picture. Its form lays no outlines over it.

#include "boards/BoardPicture.h"
#include "boards/arria2/KelvaneId.h"

namespace {
using enum PartLook;
// clang-format off
constexpr PicturePart kParts[] = {
    {nullptr, "HSMC-A",      10,  10, 170,  24, Connector},
    {nullptr, "HSMC-B",     210,  10, 170,  24, Connector},
    {nullptr, "DDR2 SODIMM", 10,  50,  40, 200, Memory},
    {nullptr, "FPGA",       150, 100,  80,  80, Fpga},
    {nullptr, "155M",       250, 100,  30,  24, Oscillator},
    {nullptr, "PCIe x8",     70, 260, 260,  30, Connector},
    {nullptr, "LCD",        300, 150,  80,  40, Lcd},
    {nullptr, "LED",         70, 210,  60,  20, Leds},
    {nullptr, "PB",         140, 210,  50,  24, Keys},
    {nullptr, "DIP",        200, 210,  50,  24, Switches},
};
// clang-format on
} // namespace

extern const BoardPicture kKelvanePicture{
    MAINBOARD_KELVANE, "KELVANE_400_BITMAP", "Arria II GX", "ARRIA_II_GX_BADGE", 400, 300, kParts,
};

namespace {
const BoardPictureRegistrar kPictureRegistrar{kKelvanePicture};
} // namespace
