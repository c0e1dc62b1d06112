// What the shared tests know of the Alvek board (tests/support/BoardFacts.h).

#include "boards/cyclone3/AlvekId.h"
#include "support/BoardFacts.h"

namespace {

facts::BoardFacts Facts() {
    facts::BoardFacts f;
    f.board = MAINBOARD_ALVEK;
    f.outlinePens = {4, 1};
    return f;
}

const facts::BoardFactsRegistrar kFacts{Facts()};

} // namespace
