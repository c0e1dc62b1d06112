// What the shared tests know of the Nolvar board (tests/support/BoardFacts.h).

#include "boards/stratix5/NolvarId.h"
#include "support/BoardFacts.h"

namespace {

facts::BoardFacts Facts() {
    facts::BoardFacts f;
    f.board = MAINBOARD_NOLVAR;
    f.failedLoadBox = true;
    f.exportedNames = {"CDCM6100x_Config", "si570_controller"};
    return f;
}

const facts::BoardFactsRegistrar kFacts{Facts()};

} // namespace
