#pragma once
// The Sollen board's id (the first byte of its settings record) and
// the size of its record.

#include "model/BoardId.h"

#include <cstddef>

inline constexpr BoardId MAINBOARD_SOLLEN{21};
inline constexpr std::size_t kSollenConfigSize = 408;
