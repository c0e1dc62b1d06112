// What the shared tests know of the ZarvikDdr4 board (tests/support/BoardFacts.h).

#include "boards/arria10_stratix10/ZarvikDdr4Id.h"
#include "support/BoardFacts.h"

namespace {

facts::BoardFacts Facts() {
    facts::BoardFacts f;
    f.board = MAINBOARD_ZARVIK_DDR4;
    f.failedLoadBox = true;
    f.ipExport = facts::IpExport::SettingsObject;
    f.exportedNames = {"si5340b_controller"};
    return f;
}

const facts::BoardFactsRegistrar kFacts{Facts()};

} // namespace
