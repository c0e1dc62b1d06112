#pragma once
// What the card dispatcher hands to a card's fill: the board, the port, the
// caller's standard and bus name, and the standards the board derives.

#include "model/DaughterBoard.h"

#include <string_view>

struct CardFillContext {
    CardId card;
    BoardId board;
    int portIndex;
    IoStd callerStandard;
    std::string_view busName;
    CardStandards standards; // the board's rule (BoardDef::cardStandards) for this card
};

// Appends the card's entries to an empty daughter board.
using CardFillFn = void (*)(TDaughterBoard& card, const CardFillContext& context);
// A memory module's fill with the arguments a board of that id passes by
// default; the registry tests use it to fill every offered module.
using ModuleFillFn = void (*)(TDaughterBoard& card, BoardId board);
