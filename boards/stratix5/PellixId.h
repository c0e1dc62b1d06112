#pragma once
// The Pellix board's id (the first byte of its settings record) and
// the size of its record.

#include "model/BoardId.h"

#include <cstddef>

inline constexpr BoardId MAINBOARD_PELLIX{18};
inline constexpr std::size_t kPellixConfigSize = 296;
