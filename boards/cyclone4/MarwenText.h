#pragma once
// Board-specific project text of the Marwen board (board id 14). It reads
// the settings-record copy that the board's filler leaves in
// TMainBoard::m_BoardRecord.

#include "model/MainBoard.h"

#include <cstddef>
#include <string>

namespace marwen {
// MARWEN_CONFIG offsets the text reads.
inline constexpr std::size_t kLed = 137, kSeg7 = 138, kKey = 139, kSwitch = 140, kLcd = 144,
                             kFlash = 146, kAccelerometer = 148, kPcieHardIp = 154,
                             kPcieSoftIp = 155, kHsmcCard = 292, kHsmcPrefix = 293;
} // namespace marwen

// .qsf lines: NCEO when AE7 is used, the virtual flash address pin, and with
// the LVDS card on the HSMC port the toggle-rate assignments that keep the
// project compiling.
std::string GetMarwenQsfAssignments(const TMainBoard& board);
// The fan-control line of the top level.
std::string GetMarwenFanVerilog(const TMainBoard& board);
