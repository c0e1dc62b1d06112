// What the shared tests know of the Pellix board (tests/support/BoardFacts.h).

#include "boards/stratix5/PellixId.h"
#include "support/BoardFacts.h"

namespace {

facts::BoardFacts Facts() {
    facts::BoardFacts f;
    f.board = MAINBOARD_PELLIX;
    f.failedLoadBox = true;
    f.exportedNames = {"clock_divider"};
    return f;
}

const facts::BoardFactsRegistrar kFacts{Facts()};

} // namespace
