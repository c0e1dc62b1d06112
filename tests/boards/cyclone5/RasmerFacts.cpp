// What the shared tests know of the Rasmer board (tests/support/BoardFacts.h).

#include "boards/cyclone5/RasmerId.h"
#include "support/BoardFacts.h"

namespace {

facts::BoardFacts Facts() {
    facts::BoardFacts f;
    f.board = MAINBOARD_RASMER;
    // The GPIO cards 67 and 74 and the HSMC card 61 name their MIPI camera
    // and LCD pins alike (MIPI_I2C_SCL, MPU_CS_n).
    f.duplicateSignalRuns.push_back("RASMER_67_61_e");
    f.duplicateSignalRuns.push_back("RASMER_74_61_e");
    return f;
}

const facts::BoardFactsRegistrar kFacts{Facts()};

} // namespace
