#pragma once
// The Jorkel board's id (the first byte of its settings record).

#include "model/BoardId.h"

inline constexpr BoardId MAINBOARD_JORKEL{50};
