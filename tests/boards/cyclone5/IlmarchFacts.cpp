// What the shared tests know of the Ilmarch board (tests/support/BoardFacts.h).

#include "boards/cyclone5/IlmarchId.h"
#include "support/BoardFacts.h"

namespace {

facts::BoardFacts Facts() {
    facts::BoardFacts f;
    f.board = MAINBOARD_ILMARCH;
    // Cards 55 and 63 share one pin map: without prefixes both headers give
    // the same signal names, and the writer refuses the run.
    facts::AddBothOrders(f.duplicateSignalRuns, "ILMARCH", 55, 63);
    f.emptyPrefixWithoutCard = false;
    f.ipExport = facts::IpExport::NoModules;
    return f;
}

const facts::BoardFactsRegistrar kFacts{Facts()};

} // namespace
