#pragma once
// The Ilmarch board's id (the first byte of its settings record) and
// the size of its record.

#include "model/BoardId.h"

#include <cstddef>

inline constexpr BoardId MAINBOARD_ILMARCH{37};
inline constexpr std::size_t kIlmarchConfigSize = 412;
