// What the shared tests know of the Zarvik board (tests/support/BoardFacts.h).

#include "boards/arria10_stratix10/ZarvikId.h"
#include "support/BoardFacts.h"

namespace {

facts::BoardFacts Facts() {
    facts::BoardFacts f;
    f.board = MAINBOARD_ZARVIK;
    f.failedLoadBox = true;
    f.ipExport = facts::IpExport::SettingsObject;
    f.exportedNames = {"si5340a_controller"};
    return f;
}

const facts::BoardFactsRegistrar kFacts{Facts()};

} // namespace
