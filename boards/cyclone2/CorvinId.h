#pragma once
// The Corvin board's id (the first byte of its settings record).

#include "model/BoardId.h"

inline constexpr BoardId MAINBOARD_CORVIN{3};
