#pragma once
// Every map and variant of the unlisted GPIO header cards, the Ergan header
// cards, the FMC cards and the memory modules, each filled as a board fills
// it (through FillCard or the module fills), with a fixture written from the
// cards' documentation: tests/cards/fixtures/<fixture>.txt.

#include "cards/CardDump.h"
#include "model/DaughterBoard.h"

#include <initializer_list>
#include <set>
#include <span>
#include <string>
#include <vector>

namespace cards_test {

enum class MapKind { Gpio, Ergan, FmcHpc, FmcLpc, Ddr2, Ddr3, Ddr4, Qdr };

struct MapCase {
    const char* fixture;
    CardId card; // the catalogue entry the map belongs to
    MapKind kind;
    void (*fill)(TDaughterBoard&);
    int pins;
    // Names that carry the I2C flag (all others carry none).
    std::initializer_list<const char*> i2cNames;
    // Positions a board's connector leaves empty for this variant.
    std::initializer_list<int> emptyOnBoard;
};

std::span<const MapCase> AllMapCases();

int PositionsOf(MapKind kind);
ConnectorType ConnectorTypeOf(const MapCase& c);

using cardtest::Dump;
using cardtest::ReadFixture;

// FMC position of a row letter and pin, counted here without the card code.
int Fmc(char row, int pin);
// Row letter of an FMC position.
char FmcRowOf(int position);

} // namespace cards_test
