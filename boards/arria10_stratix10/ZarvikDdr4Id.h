#pragma once
// The ZarvikDdr4 board's id (the first byte of its settings record).

#include "model/BoardId.h"

inline constexpr BoardId MAINBOARD_ZARVIK_DDR4{28};
