// What the shared tests know of the Brovan board (tests/support/BoardFacts.h).

#include "boards/max10/BrovanId.h"
#include "support/BoardFacts.h"

namespace {

facts::BoardFacts Facts() {
    facts::BoardFacts f;
    f.board = MAINBOARD_BROVAN;
    f.unlocatedBuses = {
        {"DDR3_DQS_n", "the negative DDR3 strobes: the fitter places each beside its positive pin"},
    };
    return f;
}

const facts::BoardFactsRegistrar kFacts{Facts()};

} // namespace
