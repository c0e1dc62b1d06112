// What the shared tests know of the GaldreX1 board (tests/support/BoardFacts.h).

#include "boards/stratix4/GaldreX1Id.h"
#include "support/BoardFacts.h"

namespace {

facts::BoardFacts Facts() {
    facts::BoardFacts f;
    f.board = MAINBOARD_GALDRE_X1;
    f.outlinePens = {2, 1};
    f.sharedLocations = {
        {"PIN_AF25",
         "the first DDR2 socket's termination input and the fixed termination block both sit "
         "there"},
        {"PIN_AG25",
         "the first DDR2 socket's termination input and the fixed termination block both sit "
         "there"},
    };
    f.failedLoadBox = true;
    f.ipExport = facts::IpExport::ExternalPll;
    f.exportedNames = {"EXT_PLL_CTRL", "ext_pll_ctrl"};
    return f;
}

const facts::BoardFactsRegistrar kFacts{Facts()};

} // namespace
