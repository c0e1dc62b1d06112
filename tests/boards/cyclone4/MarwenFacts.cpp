// What the shared tests know of the Marwen board (tests/support/BoardFacts.h).

#include "boards/cyclone4/MarwenId.h"
#include "support/BoardFacts.h"

namespace {

facts::BoardFacts Facts() {
    facts::BoardFacts f;
    f.board = MAINBOARD_MARWEN;
    // The GPIO cards 67 and 74 and the HSMC card 61 name their MIPI camera
    // and LCD pins alike (MIPI_I2C_SCL, MPU_CS_n).
    f.duplicateSignalRuns.push_back("Marwen_67_61_e");
    f.duplicateSignalRuns.push_back("Marwen_74_61_e");
    f.unmatchedTargets = {
        {"FS_ADDR[0]",
         "the flash's virtual-pin line names FS_ADDR[0], a bit the shared bus does not carry; "
         "Quartus ignores it"},
    };
    f.ipExport = facts::IpExport::NoModules;
    return f;
}

const facts::BoardFactsRegistrar kFacts{Facts()};

} // namespace
