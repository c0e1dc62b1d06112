#pragma once
// A filled Cyclone V GPIO board's pin model as text lines, and the fixtures the pin-filler
// tests compare it with (tests/boards/fixtures/<name>.txt). The fixtures are
// written from the board's documentation, not from the filler's tables.

#include "model/MainBoard.h"

#include <string>
#include <vector>

namespace gpioboardtest {

// First the FPGA data ("fpga", family, device, package, pin count, speed
// grade text), then per connector a line "connector", name, description,
// type, connector id, expansion flag, card id, and one line per entry: the
// position alone for an empty entry, else position, name, location ("" for
// none), direction word, standard code, then "period <ns>" or
// "frequency <text>" for a clock and "note <text>" when it has one. Fields
// are separated by TABs.
std::vector<std::string> Dump(const TMainBoard& board);

// The lines of a fixture, without comment lines (#) and line-end CRs.
std::vector<std::string> ReadFixture(const std::string& name);

} // namespace gpioboardtest
