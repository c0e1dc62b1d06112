#pragma once
// The board matrix: for every board of the registry that keeps a record,
// the records its form can hand to a generation, all with every peripheral
// ticked:
//   - when the product of its ports' list sizes is at most 1,000, every
//     combination of the cards the lists offer; otherwise every listed card
//     on each port with the other ports empty, and runs with every port
//     filled (run i takes the i-th card of each list, wrapping);
//   - each once with empty prefixes and once with a prefix per port
//     ("P0_", "P1_", ...); a board without ports once;
//   - multiplied by the values of board fields listed in the matrix (the
//     Yelden header modes and revisions);
//   - mended as the form shows them (an 80-pin card takes both headers),
//     each distinct choice of cards once.
// Later boards join it by their registry rows alone.

#include "boards/BoardDef.h"

#include <cstdint>
#include <string>
#include <vector>

namespace matrix {

struct Run {
    std::string name; // "<folder word>_<card>_<card>..._e" (empty prefixes) or "..._p"
    bool prefixed = false;
    std::vector<std::uint8_t> record;
    // A run of AloneRuns: the port (index into the definition's ports) and
    // the card it holds; -1 otherwise.
    int alonePort = -1;
    std::uint8_t aloneCard = 0;
};

// The boards the matrix covers, in registry order.
std::vector<const BoardDef*> Boards();
// The ports' list sizes multiplied (saturating above the limit).
long long Combinations(const BoardDef& def);
std::vector<Run> Runs(const BoardDef& def);
// For every record variant, every port and every card its list offers
// there: a run with that card alone on that port, with the prefix
// "A<port>_", mended as the form shows it ("<word>_alone_<port>_<card>").
std::vector<Run> AloneRuns(const BoardDef& def);

// One generation into <folder>/<run name>/<run name>.qpf.
struct Outcome {
    bool generated = false;
    std::vector<std::string> boxes;           // the texts of the boxes it showed
    std::vector<std::string> doubleLocations; // locations the .qsf assigns twice
    // Names of the written top level (its own, its ports') that the
    // language does not take, each with the reason.
    std::vector<std::string> illegalNames;
};
Outcome Generate(const BoardDef& def, const Run& run, const std::string& folder);

} // namespace matrix
