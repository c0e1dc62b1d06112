// What the shared tests know of the Yelden board (tests/support/BoardFacts.h).

#include "boards/max10/YeldenId.h"
#include "support/BoardFacts.h"

namespace {

facts::BoardFacts Facts() {
    facts::BoardFacts f;
    f.board = MAINBOARD_YELDEN;
    // Its four header modes (u8 at 160) against its three board revisions
    // (i32 at 156).
    static const char* const kWords[4][3] = {{"_m0_r0", "_m0_r1", "_m0_r2"},
                                             {"_m1_r0", "_m1_r1", "_m1_r2"},
                                             {"_m2_r0", "_m2_r1", "_m2_r2"},
                                             {"_m3_r0", "_m3_r1", "_m3_r2"}};
    for (int mode = 0; mode < 4; ++mode) {
        for (int revision = 0; revision < 3; ++revision) {
            f.variants.push_back({kWords[mode][revision], {{160, mode, 1}, {156, revision, 4}}});
        }
    }
    f.unlocatedBuses = {
        {"DDR3_DQS_n", "the negative DDR3 strobes: the fitter places each beside its positive pin"},
    };
    return f;
}

const facts::BoardFactsRegistrar kFacts{Facts()};

} // namespace
