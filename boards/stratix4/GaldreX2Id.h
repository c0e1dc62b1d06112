#pragma once
// The GaldreX2 board's id (the first byte of its settings record).

#include "model/BoardId.h"

inline constexpr BoardId MAINBOARD_GALDRE_X2{7};
