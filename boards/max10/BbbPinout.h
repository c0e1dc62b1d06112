#pragma once
// The BeagleBone Black header pair of the Yelden board (P8 and P9, 46 pins
// each): the header modes the form offers and, for the two modes whose
// signal names are fixed per pin (WIFI-BLE and BBB Mode 7), the name,
// direction and standard of every header pin. The FPGA locations belong to
// the board's filler.

#include "model/CardCatalogue.h"
#include "model/Pin.h"

#include <cstdint>
#include <string>

inline constexpr int kBbbPinCount = 46; // pins per header

// Header mode numbers.
inline constexpr std::int32_t BBB_MODE_NONE = 0;
inline constexpr std::int32_t BBB_MODE_DEFAULT = 1;
inline constexpr std::int32_t BBB_MODE_WIFI_BLE = 2;
inline constexpr std::int32_t BBB_MODE_7 = 10;

// Headers.
inline constexpr std::uint8_t BBB_HEADER_P8 = 0;
inline constexpr std::uint8_t BBB_HEADER_P9 = 1;

struct BBB_MODE_ITEM {
    std::int32_t Mode;
    const char* Caption;
};

// The form's mode list, in its order, and the card whose picture each entry
// shows (entry 0, None, shows none).
struct BbbModeItems {
    BBB_MODE_ITEM Items[4];
    CardId PictureCards[3]; // entries 1..3
};
inline constexpr BbbModeItems BBB_MODE_ITEMS = {
    {{BBB_MODE_NONE, "None"},
     {BBB_MODE_DEFAULT, "Default"},
     {BBB_MODE_WIFI_BLE, "WIFI-BLE"},
     {BBB_MODE_7, "BBB Mode 7"}},
    {CARD_BBB_DEFAULT, CARD_BBB_WIFI_BLE, CARD_BBB_MODE7},
};
inline constexpr int kBbbModeCount = 4;

// One header pin of a mode: an empty name is a pin without a signal.
struct BBB_PIN {
    const char* Name;
    PinDirection Direction;
    IoStd IoStandard;
};

// Looks up header pin PinIndex (1..46) of header 0 (P8) or 1 (P9) in mode 2
// (WIFI-BLE) or 10 (BBB Mode 7). Any other mode gives false and leaves the
// outputs alone. An index outside 1..46, mode 1 (Default, whose names the
// filler makes) or another header is an internal error.
bool GetBbbPin(std::uint8_t mode, std::uint8_t header, int PinIndex, IoStd& ioStandard,
               PinDirection& direction, std::string& name);
