#pragma once
// What the card dispatcher hands to a card's fill: the port, the caller's
// standard and bus name, the board's card rules (the map variants it takes)
// and the standards they derive for this card.

#include "model/DaughterBoard.h"

#include <string_view>

struct CardFillContext {
    CardId card;
    int portIndex;
    IoStd callerStandard;
    std::string_view busName;
    const CardRules& rules;  // the board's (BoardDef::cardRules)
    CardStandards standards; // derived from the rules for this card
};

// Appends the card's entries to an empty daughter board.
using CardFillFn = void (*)(TDaughterBoard& card, const CardFillContext& context);
// A memory module's fill with the arguments that the board's card rules give;
// the registry tests use it to fill every offered module.
using ModuleFillFn = void (*)(TDaughterBoard& card, const CardRules& rules);
