// What the shared tests know of the Calvet board (tests/support/BoardFacts.h).

#include "boards/stratix5/CalvetId.h"
#include "support/BoardFacts.h"

namespace {

facts::BoardFacts Facts() {
    facts::BoardFacts f;
    f.board = MAINBOARD_CALVET;
    // Card 84 names its pins LED[..] like the board's LED group when its FMC
    // port has no prefix.
    f.duplicateSignalRuns = {"CALVET_0_84_0_0_0_e", "CALVET_0_0_0_0_84_e"};
    f.failedLoadBox = true;
    f.ipExport = facts::IpExport::SettingsObject;
    f.exportedNames = {"I2C_CDCM6208_Config", "SPI_LMK04906_Config"};
    return f;
}

const facts::BoardFactsRegistrar kFacts{Facts()};

} // namespace
