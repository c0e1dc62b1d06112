#pragma once
// The Dravel board's id (the first byte of its settings record).

#include "model/BoardId.h"

inline constexpr BoardId MAINBOARD_DRAVEL{32};
