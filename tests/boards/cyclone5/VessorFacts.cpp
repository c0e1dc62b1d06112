// What the shared tests know of the Vessor board (tests/support/BoardFacts.h).

#include "boards/cyclone5/VessorId.h"
#include "support/BoardFacts.h"

#include <string>

namespace {

facts::BoardFacts Facts() {
    facts::BoardFacts f;
    f.board = MAINBOARD_VESSOR;
    // Cards 55 and 63 share one pin map: without prefixes both headers give
    // the same signal names, and the writer refuses the run.
    facts::AddBothOrders(f.duplicateSignalRuns, "VESSOR", 55, 63);
    // Its both-default set is {1}: any two different GPIO Default cards name
    // their pins GPIO[0..35] on both headers.
    for (const int a : {1, 81, 82, 83}) {
        for (const int b : {1, 81, 82, 83}) {
            if (a != b) {
                f.duplicateSignalRuns.push_back("VESSOR_" + std::to_string(a) + "_" +
                                                std::to_string(b) + "_e");
            }
        }
    }
    return f;
}

const facts::BoardFactsRegistrar kFacts{Facts()};

} // namespace
