#pragma once
// The Ulvane board's id (the first byte of its settings record).

#include "model/BoardId.h"

inline constexpr BoardId MAINBOARD_ULVANE{23};
