// What the shared tests know of the Wendal board (tests/support/BoardFacts.h).

#include "boards/cyclone5/WendalId.h"
#include "support/BoardFacts.h"

namespace {

facts::BoardFacts Facts() {
    facts::BoardFacts f;
    f.board = MAINBOARD_WENDAL;
    // Cards 55 and 63 share one pin map: without prefixes both headers give
    // the same signal names, and the writer refuses the run.
    facts::AddBothOrders(f.duplicateSignalRuns, "WENDAL", 55, 63);
    return f;
}

const facts::BoardFactsRegistrar kFacts{Facts()};

} // namespace
