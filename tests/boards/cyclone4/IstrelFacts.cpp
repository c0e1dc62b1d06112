// What the shared tests know of the Istrel board (tests/support/BoardFacts.h).

#include "boards/cyclone4/IstrelId.h"
#include "support/BoardFacts.h"

namespace {

facts::BoardFacts Facts() {
    facts::BoardFacts f;
    f.board = MAINBOARD_ISTREL;
    f.outlinePens = {4, 1};
    // Cards 55 and 63 share one pin map: without prefixes both headers give
    // the same signal names, and the writer refuses the run.
    facts::AddBothOrders(f.duplicateSignalRuns, "ISTREL", 55, 63);
    return f;
}

const facts::BoardFactsRegistrar kFacts{Facts()};

} // namespace
