#pragma once
// The Bressa board's id (the first byte of its settings record).

#include "model/BoardId.h"

inline constexpr BoardId MAINBOARD_BRESSA{2};
