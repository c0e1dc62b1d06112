// What the shared tests know of the Espern board (tests/support/BoardFacts.h).

#include "boards/arria10_stratix10/EspernId.h"
#include "support/BoardFacts.h"

namespace {

facts::BoardFacts Facts() {
    facts::BoardFacts f;
    f.board = MAINBOARD_ESPERN;
    f.outlinePens = {2, 2};
    f.failedLoadBox = true;
    f.ipExport = facts::IpExport::SettingsObject;
    f.exportedNames = {"clock_divider"};
    return f;
}

const facts::BoardFactsRegistrar kFacts{Facts()};

} // namespace
