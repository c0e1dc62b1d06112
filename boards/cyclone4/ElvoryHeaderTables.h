#pragma once
// The FPGA pins of the Elvory board's 40-pin GPIO header and HSMC
// connector, by position (boards/PinTable.h's header notation). The Lorsk
// board carries the same device package wired the same way: its filler
// takes these tables too.

#include "boards/PinTable.h"
#include "cards/hsmc/HsmcPositions.h"
#include "model/Sizes.h"

namespace elvory {

// clang-format off
inline constexpr const char* kGpioHeader =
    "AB22 AC15 AB21 Y17 AC21 Y16 AD21 AE16 AD15 AE15 - - AC19 AF16 AD19 AF15 AF24 AE21 AF25 AC22 "
    "AE22 AF21 AF22 AD22 AG25 AD25 AH25 AE25 - - AG22 AE24 AH22 AF26 AE20 AG23 AF20 AH26 AH23 AG26";

// No transceiver lanes, no I2C, JTAG or presence pins: from position 39 on.
inline constexpr const char* kHsmc =
    "- - - - - - - - - - - - - - - - - - - - "
    "- - - - - - - - - - - - - - - - - - AD28 AH15 "
    "AE26 AE28 AE27 AF27 - - D27 F24 D28 F25 - - E27 D26 E28 C27 - - F27 F26 "
    "F28 E26 - - G27 G25 G28 G26 - - K27 H25 K28 H26 - - M27 K25 M28 K26 "
    "- - K21 L23 K22 L24 - - H23 M25 H24 M26 - - G23 J27 G24 J28 - - "
    "J23 R25 J24 R26 - - P27 T25 P28 T26 - - J25 U25 J26 U26 - - L27 L21 "
    "L28 L22 - - V25 N25 V26 N26 - - R27 P25 R28 P26 - - U27 P21 U28 R21 "
    "- - V27 R22 V28 R23 - - U22 T21 V22 T22 - - V23 Y27 V24 Y28 - -";
// clang-format on

static_assert(CountLocations(kGpioHeader) == GPIO_PIN_NUM, "nNum == GPIO_PIN_NUM");
static_assert(CountLocations(kHsmc) == HSMC_PIN_NUM, "nNum == 160");

} // namespace elvory
