// Projects of Sollen (21), Tavrin (22) and Wendal (25) from settings
// records, compared byte for byte with the fixtures in
// tests/boards/golden/<case>/ (date fixed) and checked with the real tools:
// every peripheral ticked (the HPS included), and on the two-header boards
// their rules: the 80-pin card picked on GPIO-1 with a prefix (the pair
// takes it), GPIO Default on both headers without prefixes (bus names).
// PINSMITH_UPDATE_GOLDEN=1 rewrites the fixtures; review the diff.

#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/cyclone5/SollenId.h"
#include "boards/cyclone5/TavrinId.h"
#include "boards/cyclone5/WendalId.h"
#include "generator/Pinsmith.h"
#include "platform/Clock.h"
#include "platform/ScriptedUi.h"
#include "support/BoardCheckOptions.h"
#include "support/Golden.h"
#include "support/ProjectChecker.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct GoldenCase {
    std::string name; // fixture folder and project name
    BoardId board;
    std::vector<std::uint8_t> cards; // per port
    std::vector<const char*> prefixes;
};

std::vector<GoldenCase> Cases() {
    return {
        {"SOLLEN", MAINBOARD_SOLLEN, {0, 0}, {"", ""}},
        // Picked on GPIO-1, the 80-pin card takes GPIO-0 with GPIO-1's prefix.
        {"sollen_pair_from_gpio1", MAINBOARD_SOLLEN, {11, 11}, {"ADC_", "ADC_"}},
        {"sollen_both_default", MAINBOARD_SOLLEN, {1, 1}, {"", ""}},
        {"TAVRIN", MAINBOARD_TAVRIN, {0}, {""}},
        {"WENDAL", MAINBOARD_WENDAL, {0, 0}, {"", ""}},
        {"wendal_pair_from_gpio1", MAINBOARD_WENDAL, {11, 11}, {"ADC_", "ADC_"}},
        {"wendal_both_default", MAINBOARD_WENDAL, {1, 1}, {"", ""}},
    };
}

class GpioBoardGolden : public testing::TestWithParam<GoldenCase> {};

TEST_P(GpioBoardGolden, MatchesFixturesAndPassesTheTools) {
    const GoldenCase& c = GetParam();
    const BoardDef& def = *FindBoard(c.board);
    std::vector<std::uint8_t> record(def.record.size);
    SetDefaultRecord(def, record);
    for (const std::size_t offset : def.peripherals) {
        record[offset] = 1;
    }
    SetRecordFieldText(record, def.record.projectNameOffset, c.name);
    for (std::size_t p = 0; p < def.ports.size(); ++p) {
        record[def.ports[p].cardOffset] = c.cards[p];
        SetRecordFieldText(record, def.ports[p].prefixOffset, c.prefixes[p]);
    }
    std::string message;
    ASSERT_TRUE(CheckRecord(def, record, message)) << message;

    platform::ScriptedUi ui;
    platform::SetFixedClock(platform::LocalDateTime{2024, 3, 8, 14, 5, 9, 5});
    TempDir dir;
    const std::unique_ptr<TMainBoard> board = BuildBoardModel(def, record);
    TPinsmith pinsmith;
    const bool generated = pinsmith.Generate(board.get(), dir.File(c.name + ".qpf"), false);
    platform::SetFixedClock(std::nullopt);
    for (const platform::RecordedBox& box : ui.Boxes()) {
        ADD_FAILURE() << "message box: " << box.text;
    }
    ASSERT_TRUE(generated);

    ExpectMatchesGolden("boards/golden/" + c.name, dir.Path());
    std::string problems;
    for (const std::string& p :
         checker::CheckProject(dir.Path(), c.name, checker::BoardCheckOptions(c.board))) {
        problems += p + "\n";
    }
    EXPECT_TRUE(problems.empty()) << problems;
}

INSTANTIATE_TEST_SUITE_P(Records, GpioBoardGolden, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<GoldenCase>& info) {
                             return info.param.name;
                         });

} // namespace
