// What the shared tests know of the Quindle board (tests/support/BoardFacts.h).

#include "boards/cyclone5/QuindleConfig.h"
#include "boards/cyclone5/QuindleId.h"
#include "support/BoardFacts.h"

#include <cstddef>

namespace {

facts::BoardFacts Facts() {
    facts::BoardFacts f;
    f.board = MAINBOARD_QUINDLE;
    // Each HSMC voltage besides the default 2.5 V.
    f.variants = {
        {"_v0", {{offsetof(QUINDLE_CONFIG, HsmcVoltage), 0, 4}}},
        {"_v2", {{offsetof(QUINDLE_CONFIG, HsmcVoltage), 2, 4}}},
        {"_v3", {{offsetof(QUINDLE_CONFIG, HsmcVoltage), 3, 4}}},
    };
    return f;
}

const facts::BoardFactsRegistrar kFacts{Facts()};

} // namespace
