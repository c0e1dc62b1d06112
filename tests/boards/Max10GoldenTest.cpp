// Projects of the MAX 10 boards generated from settings records, compared
// byte for byte with the fixtures in tests/boards/golden/<case>/ (date
// fixed) and checked with the real tools under the board's options (the
// unplaced DDR3 strobes, the gaps of the BBB Mode 7 buses).
// PINSMITH_UPDATE_GOLDEN=1 rewrites the fixtures from the generated files
// instead; review the diff before committing it.

#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/max10/BrovanConfig.h"
#include "boards/max10/BrovanId.h"
#include "boards/max10/ConfigDravel.h"
#include "boards/max10/DravelId.h"
#include "boards/max10/YeldenConfig.h"
#include "boards/max10/YeldenId.h"
#include "support/Golden.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace {

using Record = std::vector<std::uint8_t>;

struct GoldenCase {
    std::string name; // fixture folder and project name
    BoardId board;
    std::function<void(Record&)> set;
};

void PrintTo(const GoldenCase& c, std::ostream* out) {
    *out << c.name;
}

const auto kDefaults = [](Record&) {};

std::vector<GoldenCase> Cases() {
    return {
        // LED[0] on C7: the bank-8 configuration block.
        {"YELDEN", MAINBOARD_YELDEN, kDefaults},
        // Buses with gaps, and the negative strobes without a location.
        {"yelden_mode7_ddr3", MAINBOARD_YELDEN,
         [](Record& r) {
             r[offsetof(YELDEN_CONFIG, bDDR3)] = 1;
             r[offsetof(YELDEN_CONFIG, nBbbModeIndex)] = yelden::kModeMode7;
         }},
        {"MAX10", MAINBOARD_BROVAN, kDefaults},
        // The Bluetooth card's names after BT_, at the header's 3.3-V LVTTL.
        {"brovan_card73_bt", MAINBOARD_BROVAN,
         [](Record& r) {
             BROVAN_CONFIG config = RecordAs<BROVAN_CONFIG>(r);
             config.nErganDaughterId = 73;
             StoreRecord(r, config);
             SetRecordFieldText(r, offsetof(BROVAN_CONFIG, szErganPrefixName), "BT_");
         }},
        {"DRAVEL", MAINBOARD_DRAVEL, kDefaults},
        // The GPIO Default card's own names, at 3.3-V LVTTL.
        {"dravel_card1", MAINBOARD_DRAVEL,
         [](Record& r) { r[offsetof(DRAVEL_CONFIG, nGpioDaughterId)] = 1; }},
    };
}

class Max10Golden : public testing::TestWithParam<GoldenCase> {};

TEST_P(Max10Golden, MatchesFixturesAndPassesTheTools) {
    const GoldenCase& c = GetParam();
    golden::ExpectGoldenProject(
        c.board, c.name, [&](const BoardDef&, golden::Record& r) { c.set(r); },
        {.mend = golden::Mend::MustKeep, .checks = golden::BoardAndRecordChecks()});
}

INSTANTIATE_TEST_SUITE_P(Records, Max10Golden, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<GoldenCase>& info) {
                             return info.param.name;
                         });

} // namespace
