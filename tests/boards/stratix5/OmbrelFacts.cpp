// What the shared tests know of the Ombrel board (tests/support/BoardFacts.h).

#include "boards/stratix5/OmbrelId.h"
#include "support/BoardFacts.h"

namespace {

facts::BoardFacts Facts() {
    facts::BoardFacts f;
    f.board = MAINBOARD_OMBREL;
    f.failedLoadBox = true;
    f.exportedNames = {"i2c_controller", "EXT_PLL_CTRL"};
    return f;
}

const facts::BoardFactsRegistrar kFacts{Facts()};

} // namespace
