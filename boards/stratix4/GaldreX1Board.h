#pragma once
// The Galdre_X1 board's definition and the rule its form shares with the
// core: the warning about transceiver cards that need lanes HSMC-A lacks.

#include "boards/BoardDef.h"

#include <string>

extern const BoardDef kGaldreX1Board;

namespace galdrex1 {
// The warning a Generate shows for the cards on HSMC-A and HSMC-B; empty
// when the card on HSMC-A finds its lanes there.
std::string TransceiverPlacementWarning(CardId cardA, CardId cardB);
} // namespace galdrex1
