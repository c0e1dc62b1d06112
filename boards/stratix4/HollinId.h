#pragma once
// The Hollin board's id (the first byte of its settings record).

#include "model/BoardId.h"

inline constexpr BoardId MAINBOARD_HOLLIN{9};
