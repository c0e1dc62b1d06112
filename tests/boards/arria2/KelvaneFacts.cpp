// What the shared tests know of the Kelvane board (tests/support/BoardFacts.h).

#include "boards/arria2/KelvaneId.h"
#include "support/BoardFacts.h"

#include <utility>

namespace {

facts::BoardFacts Facts() {
    facts::BoardFacts f;
    f.board = MAINBOARD_KELVANE;
    // Its list holds cards of one pin naming (HSMC Default with and without
    // transceivers, the ADC/DAC and SMA cards, the two LCD/camera
    // generations, the loopback cards...): unprefixed on both ports they
    // name the same signals.
    const std::pair<int, int> pairs[] = {{2, 3},   {2, 8},   {2, 26},  {3, 8},
                                         {3, 26},  {8, 26},  {21, 26}, {21, 28},
                                         {29, 36}, {29, 61}, {36, 61}, {19, 37}};
    for (const auto& [a, b] : pairs) {
        facts::AddBothOrders(f.duplicateSignalRuns, "KELVANE", a, b);
    }
    // bVariant at 136, which only a loaded file sets.
    f.variants = {{"_variant", {{136, 1, 1}}, true}};
    // Locations its data gives two pins, kept as the data has them.
    f.dataClashes = {
        "AE21", // DDR2 position 189 and HSMC-B 72
        "AF24", // DDR2 175 and HSMC-B 66
        "AF25", // DDR2 185 and HSMC-B 67
        "C6",   // DDR2 84 and HSMC-B 146
        "AE24", // HSMB_TX_LED and DDR2 180
        "AE23", // HSMB_RX_LED and HSMC-B 68
    };
    f.failedLoadBox = true;
    f.changeMainBoard = false;
    return f;
}

const facts::BoardFactsRegistrar kFacts{Facts()};

} // namespace
