#pragma once
// A board's pin model as text lines, and the fixtures the filler tests
// compare it with (tests/boards/fixtures/<name>.txt). The fixtures are
// written from the boards' pin tables and documentation, independently of
// the C++ tables. Fields are separated by TABs; lines starting with # are
// comments.
//
//   fpga      family, device, package, pin count, speed grade text, speed
//             grade number
//   connector name, description, type, connector id, expansion (1/0), card id
//   then one line per entry: the position alone for an empty entry, else
//             position, name, location ("" for none), direction word,
//             standard code, then "period <ns>" or "frequency <text>" for a
//             clock, "period <ns> unclocked" for a period on a pin that is
//             no clock, and "note <text>" when it has one.
// Directions: inout, in, out, card (taken from the card), off.

#include "model/MainBoard.h"

#include <string>
#include <vector>

namespace boardtest {

std::vector<std::string> Dump(const TMainBoard& board);
// The lines of one connector (its "connector" line first).
std::vector<std::string> Dump(const TConnector& connector);
// The lines of a fixture, without comment lines and line-end CRs.
std::vector<std::string> ReadFixture(const std::string& name);
// Compares line by line and names the first line that differs.
void ExpectLines(const std::vector<std::string>& actual, const std::vector<std::string>& expected);
// The dump of the board (or of one connector) against the fixture.
void ExpectFixture(const TMainBoard& board, const std::string& name);
void ExpectFixture(const TConnector& connector, const std::string& name);

// The connector of that name, or nullptr.
const TConnector* FindConnector(const TMainBoard& board, const std::string& name);
// The names of the board's connectors in order.
std::vector<std::string> ConnectorNames(const TMainBoard& board);

} // namespace boardtest
