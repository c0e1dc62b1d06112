#pragma once
// The Lorsk board's id (the first byte of its settings record).

#include "model/BoardId.h"

inline constexpr BoardId MAINBOARD_LORSK{13};
