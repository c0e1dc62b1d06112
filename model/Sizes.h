#pragma once
// Sizes that boards, cards and settings records share.

#include <cstddef>

// Positions of one 40-pin GPIO header; a card over both headers has twice as
// many.
inline constexpr int GPIO_PIN_NUM = 40;

// The text fields of the settings records (project name, prefixes): 128
// bytes, NUL included, so a name holds at most 127 characters.
inline constexpr std::size_t kRecordTextSize = 128;
inline constexpr int kMaxNameLength = static_cast<int>(kRecordTextSize) - 1;
