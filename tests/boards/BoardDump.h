#pragma once
// A board's pin model as text lines, and the fixtures the filler tests
// compare it with (tests/boards/fixtures/<name>.txt). The fixtures are
// written from the boards' pin tables independently of the C++ tables.
//
//   device    TAB family TAB device TAB package TAB pin count TAB speed grade
//   connector TAB name TAB description TAB type TAB connector id ("-" for a
//             group that is no expansion connector)
//   TAB name TAB location TAB direction TAB standard code TAB clock ("20ns")
//   TAB "-"   an empty position
// Directions: inout, in, out, card (taken from the card), off.

#include "model/MainBoard.h"

#include <string>
#include <vector>

namespace boardtest {

std::vector<std::string> Dump(const TMainBoard& board);
std::vector<std::string> ReadFixture(const std::string& name);
// Compares line by line and names the first line that differs.
void ExpectLines(const std::vector<std::string>& actual, const std::vector<std::string>& expected);

// The connector of that name, or nullptr.
const TConnector* FindConnector(const TMainBoard& board, const std::string& name);
// The names of the board's connectors in order.
std::vector<std::string> ConnectorNames(const TMainBoard& board);

} // namespace boardtest
