// What the shared tests know of the Fennik board (tests/support/BoardFacts.h).

#include "boards/stratix3/FennikId.h"
#include "support/BoardFacts.h"

namespace {

facts::BoardFacts Facts() {
    facts::BoardFacts f;
    f.board = MAINBOARD_FENNIK;
    // bGPIO at 146, bDDR2 at 147 (both ticked in the base runs).
    f.variants = {
        {"_gpio", {{146, 1, 1}, {147, 0, 1}}, true},
        {"_ddr2", {{146, 0, 1}, {147, 1, 1}}, true},
    };
    using facts::FormStep;
    f.formModes = {
        {{FormStep::Kind::Tick, "CheckBoxGPIO"}},
        {{FormStep::Kind::Tick, "CheckBoxDDR2"}},
        {{FormStep::Kind::Tick, "CheckBoxGPIO"}, {FormStep::Kind::Tick, "CheckBoxDDR2"}},
    };
    return f;
}

const facts::BoardFactsRegistrar kFacts{Facts()};

} // namespace
