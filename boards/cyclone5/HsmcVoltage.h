#pragma once
// The HSMC I/O-voltage choice of the Cyclone V HSMC boards (Quindle,
// Falmor): a combo index stored in the settings record as an i32. The index
// picks the voltage class of the card list and the I/O standard of the card
// pins and of the connector's clock input; the jumper that sets the voltage
// on the board must match it.

#include "model/CardCatalogue.h"
#include "model/Pin.h"

#include <cstdint>

namespace hsmcvoltage {

inline constexpr int kCount = 4;
inline constexpr std::int32_t kDefaultIndex = 1; // 2.5 V
inline constexpr const char* kItems[kCount] = {"3.3 V", "2.5 V (Default)", "1.8 V", "1.5 V"};

// An index outside 0..3 (a file not written by a form) is taken as 2.5 V.
constexpr std::int32_t IndexOrDefault(std::int32_t index) {
    return index >= 0 && index < kCount ? index : kDefaultIndex;
}

// The voltage class of the card list: 3.3 V, 2.5 V, 1.8 V, 1.5 V.
constexpr Voltage ListVoltage(std::int32_t index) {
    constexpr Voltage kClasses[kCount] = {VOLTAGE_3V3, VOLTAGE_2V5, VOLTAGE_1V8, VOLTAGE_1V5};
    return kClasses[IndexOrDefault(index)];
}

// The I/O standard of the card pins and of the clock input.
constexpr IoStd IoStandard(std::int32_t index) {
    constexpr IoStd kStandards[kCount] = {IOSTD_3V3_LVTTL, IOSTD_2V5, IOSTD_1V8, IOSTD_1V5};
    return kStandards[IndexOrDefault(index)];
}

} // namespace hsmcvoltage
