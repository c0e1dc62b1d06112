#pragma once
// A card's pin list as text lines, and the fixtures the card-map tests
// compare it with (tests/cards/fixtures/<name>.txt).

#include "model/Connector.h"

#include <string>
#include <vector>

namespace cardtest {

// "inout", "in", "out", "off" for a pin switched off (direction 0).
const char* DirectionWord(PinDirection direction);

// One line per entry: the position alone for an empty entry, else position,
// name, direction and standard code separated by TABs, then "i2c" when the
// pin carries the I2C flag, "clock" when it is a clock and "period <ns>"
// when it has a period.
std::vector<std::string> Dump(const TConnector& card);

// The lines of a fixture, without comment lines (#) and line-end CRs.
std::vector<std::string> ReadFixture(const std::string& name);

} // namespace cardtest
