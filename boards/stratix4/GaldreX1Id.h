#pragma once
// The GaldreX1 board's id (the first byte of its settings record) and
// the size of its record.

#include "model/BoardId.h"

#include <cstddef>

inline constexpr BoardId MAINBOARD_GALDRE_X1{8};
inline constexpr std::size_t kGaldreX1ConfigSize = 684;
