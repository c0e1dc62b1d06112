#pragma once
// The Ombrel board's id (the first byte of its settings record) and
// the size of its record.

#include "model/BoardId.h"

#include <cstddef>

inline constexpr BoardId MAINBOARD_OMBREL{16};
inline constexpr std::size_t kOmbrelConfigSize = 176;
