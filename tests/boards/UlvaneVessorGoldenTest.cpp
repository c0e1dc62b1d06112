// Ulvane and Vessor projects generated from settings records, compared byte
// for byte with the fixtures in tests/boards/golden/<case>/ (date fixed),
// and checked with the real tools. The HPS pins have no location: the
// checker is told so, port by port, from the pin model's HPS group.
// PINSMITH_UPDATE_GOLDEN=1 rewrites the fixtures from the generated files
// instead; review the diff before committing it.

#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/cyclone5/UlvaneId.h"
#include "boards/cyclone5/VessorId.h"
#include "generator/Pinsmith.h"
#include "platform/Clock.h"
#include "platform/ScriptedUi.h"
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
    bool everything; // every option on, HPS included; else the defaults
    std::uint8_t card0, card1;
    const char *prefix0, *prefix1;
};

const GoldenCase kCases[] = {
    {"ULVANE", MAINBOARD_ULVANE, true, 1, 1, "", ""},
    {"ulvane_cards", MAINBOARD_ULVANE, false, 12, 81, "CAM_", "IO_"},
    {"VESSOR", MAINBOARD_VESSOR, true, 1, 1, "", ""},
    {"vessor_cards", MAINBOARD_VESSOR, false, 13, 1, "LCD_", "IO_"},
};

// The ports of the HPS group (bus base names and single pins), which the
// fitter places with the HPS IP; every other pin of the model has a
// location.
checker::CheckOptions HpsAllowances(const TMainBoard& board) {
    checker::CheckOptions options;
    for (int i = 0; i < board.GetConnectorCount(); ++i) {
        const TConnector& connector = *board.GetConnector(i);
        for (int j = 0; j < connector.GetPinCount(); ++j) {
            const TPin* pin = connector.GetPin(j);
            if (!pin || !pin->IsActive()) {
                continue;
            }
            if (connector.GetName() != "HPS") {
                EXPECT_FALSE(pin->GetLocation().empty()) << pin->GetName();
                continue;
            }
            EXPECT_TRUE(pin->GetLocation().empty()) << pin->GetName();
            const std::string port = pin->IsBusPin() ? pin->GetBusName() : pin->GetName();
            options.portsWithoutLocation[port] =
                "an HPS pin: the HPS IP places it, it has an I/O standard only";
        }
    }
    return options;
}

class UlvaneVessorGolden : public testing::TestWithParam<GoldenCase> {};

TEST_P(UlvaneVessorGolden, MatchesFixturesAndPassesTheTools) {
    const GoldenCase& c = GetParam();
    const BoardDef& def = *FindBoard(c.board);
    std::vector<std::uint8_t> record(def.record.size);
    SetDefaultRecord(def, record);
    SetRecordFieldText(record, def.record.projectNameOffset, c.name);
    if (c.everything) {
        for (const std::size_t offset : def.peripherals) {
            record[offset] = 1;
        }
    }
    record[def.ports[0].cardOffset] = c.card0;
    record[def.ports[1].cardOffset] = c.card1;
    SetRecordFieldText(record, def.ports[0].prefixOffset, c.prefix0);
    SetRecordFieldText(record, def.ports[1].prefixOffset, c.prefix1);
    MendRecord(def, record);
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
    const checker::CheckOptions options = HpsAllowances(*board);
    EXPECT_EQ(options.portsWithoutLocation.empty(), !c.everything);
    std::string problems;
    for (const std::string& p : checker::CheckProject(dir.Path(), c.name, options)) {
        problems += p + "\n";
    }
    EXPECT_TRUE(problems.empty()) << problems;
}

INSTANTIATE_TEST_SUITE_P(Records, UlvaneVessorGolden, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<GoldenCase>& info) {
                             return info.param.name;
                         });

} // namespace
