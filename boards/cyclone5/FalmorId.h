#pragma once
// The Falmor board's id (the first byte of its settings record).

#include "model/BoardId.h"

inline constexpr BoardId MAINBOARD_FALMOR{34};
