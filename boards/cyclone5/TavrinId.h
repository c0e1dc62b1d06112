#pragma once
// The Tavrin board's id (the first byte of its settings record) and
// the size of its record.

#include "model/BoardId.h"

#include <cstddef>

inline constexpr BoardId MAINBOARD_TAVRIN{22};
inline constexpr std::size_t kTavrinConfigSize = 408;
