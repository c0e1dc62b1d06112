// What the shared tests know of the Hollin board (tests/support/BoardFacts.h).

#include "boards/stratix4/HollinId.h"
#include "support/BoardFacts.h"

#include <string>

namespace {

facts::BoardFacts Facts() {
    facts::BoardFacts f;
    f.board = MAINBOARD_HOLLIN;
    // The FMC-to-GPIO card (84) without a prefix names its LEDs like the
    // board's.
    for (const char* run : {"84_0_0_0_e", "0_84_0_0_e", "0_0_84_0_e", "0_0_0_84_e"}) {
        f.duplicateSignalRuns.push_back(std::string("HOLLIN_0_0_") + run);
    }
    f.failedLoadBox = true;
    return f;
}

const facts::BoardFactsRegistrar kFacts{Facts()};

} // namespace
