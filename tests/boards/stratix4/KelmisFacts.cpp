// What the shared tests know of the Kelmis board (tests/support/BoardFacts.h).

#include "boards/stratix4/KelmisId.h"
#include "support/BoardFacts.h"

namespace {

facts::BoardFacts Facts() {
    facts::BoardFacts f;
    f.board = MAINBOARD_KELMIS;
    f.outlinePens = {2, 0};
    f.failedLoadBox = true;
    f.formModes = {{{facts::FormStep::Kind::PickIndex, "ComboBoxHsmcGpio", 1}}};
    f.ipExport = facts::IpExport::ExternalPll;
    // HSMC-C in GPIO mode leaves A+E and D+F as they are.
    f.namedClashPairs = {"HSMC-A+HSMC-E", "HSMC-D+HSMC-F", "GPIO-0+GPIO-1"};
    f.exportedNames = {"ext_pll_ctrl"};
    return f;
}

const facts::BoardFactsRegistrar kFacts{Facts()};

} // namespace
