// What the shared tests know of the GaldreX2 board (tests/support/BoardFacts.h).

#include "boards/stratix4/GaldreX2Id.h"
#include "support/BoardFacts.h"

namespace {

facts::BoardFacts Facts() {
    facts::BoardFacts f;
    f.board = MAINBOARD_GALDRE_X2;
    f.outlinePens = {4, 1};
    f.variants = {{"_node2", {}, true, true}};
    // Locations its data gives two pins, kept as the data has them.
    f.dataClashes = {
        "P4", // TEMP_CLK and FPGA_TX_p[3]
        "N2", // TEMP_INT_n and FPGA_RX_p[4]
        "K6", // SW[1] and HSMC-A position 108
    };
    f.failedLoadBox = true;
    return f;
}

const facts::BoardFactsRegistrar kFacts{Facts()};

} // namespace
