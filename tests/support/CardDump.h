#pragma once
// Card maps as text, for fixture comparisons: one line per entry,
// "position" for an empty one, else position, name, direction word and
// standard code separated by TABs.

#include "model/Connector.h"

#include <string>
#include <vector>

std::vector<std::string> DumpCard(const TConnector& card);
// tests/cards/fixtures/<name>.txt without comment (#) and empty lines.
std::vector<std::string> ReadCardFixture(const std::string& name);
