// What the shared tests know of the Sollen board (tests/support/BoardFacts.h).

#include "boards/cyclone5/SollenId.h"
#include "support/BoardFacts.h"

namespace {

facts::BoardFacts Facts() {
    facts::BoardFacts f;
    f.board = MAINBOARD_SOLLEN;
    // Cards 55 and 63 share one pin map: without prefixes both headers give
    // the same signal names, and the writer refuses the run.
    facts::AddBothOrders(f.duplicateSignalRuns, "SOLLEN", 55, 63);
    f.ipExport = facts::IpExport::NoModules;
    return f;
}

const facts::BoardFactsRegistrar kFacts{Facts()};

} // namespace
