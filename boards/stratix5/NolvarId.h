#pragma once
// The Nolvar board's id (the first byte of its settings record) and
// the size of its record.

#include "model/BoardId.h"

#include <cstddef>

inline constexpr BoardId MAINBOARD_NOLVAR{15};
inline constexpr std::size_t kNolvarConfigSize = 164;
