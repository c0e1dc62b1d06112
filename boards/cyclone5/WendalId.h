#pragma once
// The Wendal board's id (the first byte of its settings record) and
// the size of its record.

#include "model/BoardId.h"

#include <cstddef>

inline constexpr BoardId MAINBOARD_WENDAL{25};
inline constexpr std::size_t kWendalConfigSize = 404;
