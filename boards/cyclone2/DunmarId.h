#pragma once
// The Dunmar board's id (the first byte of its settings record).

#include "model/BoardId.h"

inline constexpr BoardId MAINBOARD_DUNMAR{4};
