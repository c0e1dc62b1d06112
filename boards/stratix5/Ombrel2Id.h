#pragma once
// The Ombrel2 board's id (the first byte of its settings record).

#include "model/BoardId.h"

inline constexpr BoardId MAINBOARD_OMBREL2{17};
