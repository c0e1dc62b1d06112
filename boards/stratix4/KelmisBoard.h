#pragma once
// The Kelmis board's definition and the rules its form shares with the
// core: which ports show the transceiver card list, the HSMC Default family
// and the renaming of its clock pins.

#include "boards/BoardDef.h"

#include <string>

extern const BoardDef kKelmisBoard;

namespace kelmis {
// Ports A and E carry transceivers and show the longer card list.
constexpr bool UsesTransceiverList(int port) {
    return port == 0 || port == 4;
}
// Cards 2, 3, 86..92 and 94: the HSMC Default family, whose pins take the
// prefix "HSM_" when the port's prefix is empty.
bool IsHsmcDefaultCard(CardId card);
// Names the pin at the 1-based position of the hsmcOrdinal-th HSMC
// connector prefix + suffix and gives it the direction.
void RenameHsmcDefaultPin(TMainBoard& board, int hsmcOrdinal, PinDirection direction,
                          const std::string& suffix, const std::string& prefix, int position);
} // namespace kelmis
