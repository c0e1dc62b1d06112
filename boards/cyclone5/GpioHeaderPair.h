#pragma once
// What the Cyclone V boards with two 40-pin GPIO headers at 3.3 V share in
// their definitions: both headers show the one card list of the settings
// holder (40-pin cards of 3.3 V and the 80-pin card, which takes both),
// every card takes 3.3-V LVTTL, and GPIO Default on both headers without
// prefixes names its signals GPIO_0[..] and GPIO_1[..].

#include "boards/BoardDef.h"
#include "model/Sizes.h"

#include <array>
#include <cstddef>

namespace gpiopair {

// The ports GPIO-0 and GPIO-1 of a record with the fields nGpioDaughterId[2]
// and GpioPrefixName[2][kRecordTextSize].
template <class Record> constexpr std::array<BoardCardPort, 2> Ports() {
    constexpr std::size_t card = offsetof(Record, nGpioDaughterId);
    constexpr std::size_t prefix = offsetof(Record, GpioPrefixName);
    return {{
        {"GPIO-0", PortFamily::Gpio, config::CardListRule::Holder, CONNECTOR_GPIO80, false,
         VOLTAGE_3V3, card, prefix, CONNECTOR_ID_GPIO_0, IOSTD_3V3_LVTTL},
        {"GPIO-1", PortFamily::Gpio, config::CardListRule::Holder, CONNECTOR_GPIO80, false,
         VOLTAGE_3V3, card + 1, prefix + kRecordTextSize, CONNECTOR_ID_GPIO_1, IOSTD_3V3_LVTTL},
    }};
}

inline constexpr HeaderPair kPair{0, 1, CONNECTOR_ID_GPIO_PAIR};
inline constexpr CardId kBothDefault[] = {CARD_GPIO_DEFAULT};

} // namespace gpiopair
