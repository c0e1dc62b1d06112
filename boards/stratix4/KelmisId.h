#pragma once
// The Kelmis board's id (the first byte of its settings record) and
// the size of its record.

#include "model/BoardId.h"

#include <cstddef>

inline constexpr BoardId MAINBOARD_KELMIS{12};
inline constexpr std::size_t kKelmisConfigSize = 1188;
