#pragma once
// The Marwen board's id (the first byte of its settings record) and
// the size of its record.

#include "model/BoardId.h"

#include <cstddef>

inline constexpr BoardId MAINBOARD_MARWEN{14};
inline constexpr std::size_t kMarwenConfigSize = 424;
