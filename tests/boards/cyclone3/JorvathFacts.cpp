// What the shared tests know of the Jorvath board (tests/support/BoardFacts.h).

#include "boards/cyclone3/JorvathId.h"
#include "support/BoardFacts.h"

namespace {

facts::BoardFacts Facts() {
    facts::BoardFacts f;
    f.board = MAINBOARD_JORVATH;
    f.outlinePens = {4, 1};
    // The Teslin card (6) through the HSMC-to-Kirrel map and the Kirrel
    // loopback card (20) name their DVI I2C pins alike.
    facts::AddBothOrders(f.duplicateSignalRuns, "JORVATH", 6, 20);
    return f;
}

const facts::BoardFactsRegistrar kFacts{Facts()};

} // namespace
