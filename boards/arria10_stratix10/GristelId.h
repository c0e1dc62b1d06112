#pragma once
// The Gristel board's id (the first byte of its settings record).

#include "model/BoardId.h"

inline constexpr BoardId MAINBOARD_GRISTEL{35};
