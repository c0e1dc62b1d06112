#pragma once
// The card registry: one row per card id 0..94 with its catalogue facts
// (names, connector type, voltage class, transceiver need, whether a list
// may offer it), its picture and its pin map. The catalogue functions of
// model/CardCatalogue.h and TDaughterBoard::FillCard read it.

#include "cards/CardFill.h"
#include "model/CardCatalogue.h"

struct CardEntry {
    const char* name;        // nullptr: the id has no card
    const char* shortName;   // nullptr: no short name
    const char* description; // nullptr: no description
    ConnectorType type;
    Voltage voltage;
    bool transceiver;
    bool listed;         // the catalogue's own flag; see HasPinMap too
    const char* picture; // picture resource; nullptr: none
    CardFillFn fill;     // the pin map; nullptr: none (yet)
    int positions;       // entries the map appends (0 without a map)
    ModuleFillFn module; // memory modules: their fill; nullptr otherwise
};

inline constexpr int kCardIdCount = 95;

// The row of a card id; nullptr above 94.
const CardEntry* FindCardEntry(CardId id);

// Whether the card has a pin map: a FillCard row, or a module fill.
bool HasPinMap(CardId id);
