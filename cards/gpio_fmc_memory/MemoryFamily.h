#pragma once
// What the memory-module fillers share.

#include "cards/CardMap.h"
#include "model/ModuleOptions.h"

#include <cstdint>

class TConnector;

namespace memory {

// SDA and SCL of the DDR2 and DDR3 modules carry IsClock 2 and a period of
// 1 ns. Only IsClock 1 makes a clock of the timing file, so they add none.
void MarkSpdBusPins(TConnector& module);

// The classes of the DDR3 rows that the forms of the map treat apart.
inline constexpr std::uint8_t kDdr3Data = 0x01;      // DQ and DM
inline constexpr std::uint8_t kDdr3Strobe = 0x02;    // DQS and DQS_n
inline constexpr std::uint8_t kDdr3Reset = 0x04;     // RESET_n
inline constexpr std::uint8_t kDdr3KeepsCase = 0x08; // SA, EVENT_n, SDA, SCL

// The DDR3 map expanded: 204 slots, the DQS_n positions with differential
// strobes only; the name goes into the message of a malformed table.
CardMapSlots ExpandDdr3Map(const char* name, DqsMode diffDqs, IoStd ctlStd, IoStd saStd);

} // namespace memory
