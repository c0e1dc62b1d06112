#pragma once
// The Espern board's id (the first byte of its settings record).

#include "model/BoardId.h"

inline constexpr BoardId MAINBOARD_ESPERN{33};
