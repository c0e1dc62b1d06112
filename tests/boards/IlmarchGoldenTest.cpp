// Ilmarch projects generated from settings records, compared byte for byte
// with the fixtures in tests/boards/golden/<case>/ (date fixed), and checked
// with the real tools. PINSMITH_UPDATE_GOLDEN=1 rewrites the fixtures from
// the generated files instead; review the diff before committing it.

#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/cyclone5/IlmarchConfig.h"
#include "boards/cyclone5/IlmarchId.h"
#include "generator/Pinsmith.h"
#include "platform/Clock.h"
#include "platform/ScriptedUi.h"
#include "settings/ConfigBase.h"
#include "support/Golden.h"
#include "support/ProjectChecker.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace ilmarch;

namespace {

// The cards the form offers on a 3.3 V header, None first.
const std::vector<int> k3V3Cards = {0, 1, 11, 12, 13, 55, 62, 63, 66, 67, 74};

struct GoldenCase {
    std::string name; // fixture folder and project name
    std::function<void(ILMARCH_CONFIG&)> set;
};

void Cards(ILMARCH_CONFIG& c, int card0, const char* prefix0, int card1, const char* prefix1) {
    c.nGpioDaughterId[GPIO_0] = static_cast<std::uint8_t>(card0);
    c.nGpioDaughterId[GPIO_1] = static_cast<std::uint8_t>(card1);
    SetIlmarchText(c.GpioPrefixName[GPIO_0], prefix0);
    SetIlmarchText(c.GpioPrefixName[GPIO_1], prefix1);
}

std::vector<GoldenCase> Cases() {
    std::vector<GoldenCase> cases = {
        {"ILMARCH", [](ILMARCH_CONFIG&) {}},
        {"nothing",
         [](ILMARCH_CONFIG& c) {
             for (auto option : kIlmarchOptionBytes) {
                 c.*option = 0;
             }
         }},
        {"ostel_pair", [](ILMARCH_CONFIG& c) { Cards(c, 11, "ADC_", 11, "ADC_"); }},
        {"gpio_default_bus_names", [](ILMARCH_CONFIG& c) { Cards(c, 1, "", 1, ""); }},
        {"gpio_default_prefixes", [](ILMARCH_CONFIG& c) { Cards(c, 1, "A_", 1, "B_"); }},
        {"gpio_1v8_card82",
         [](ILMARCH_CONFIG& c) {
             c.GpioVoltage = static_cast<std::int32_t>(VOLTAGE_1V8);
             Cards(c, 0, "", 82, "");
         }},
    };
    for (int card : k3V3Cards) {
        if (card != 0) {
            cases.push_back({"card_" + std::to_string(card) + "_gpio0",
                             [card](ILMARCH_CONFIG& c) { Cards(c, card, "", 0, ""); }});
        }
    }
    return cases;
}

class IlmarchGolden : public testing::TestWithParam<GoldenCase> {};

TEST_P(IlmarchGolden, MatchesFixturesAndPassesTheTools) {
    const GoldenCase& c = GetParam();
    // The record as the form hands it over: defaults, the case's choices,
    // then the checks of a shown record (this pairs an 80-pin card).
    const BoardDef& def = *FindBoard(MAINBOARD_ILMARCH);
    ILMARCH_CONFIG config;
    SetIlmarchDefaultConfig(config);
    SetIlmarchText(config.ProjectName, c.name);
    c.set(config);
    const RecordSpan record(reinterpret_cast<std::uint8_t*>(&config), sizeof config);
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

    ExpectMatchesGolden("boards/golden/" + std::string(c.name), dir.Path());
    std::string problems;
    for (const std::string& p : checker::CheckProject(dir.Path(), c.name)) {
        problems += p + "\n";
    }
    EXPECT_TRUE(problems.empty()) << problems;
}

INSTANTIATE_TEST_SUITE_P(Records, IlmarchGolden, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<GoldenCase>& info) {
                             return info.param.name;
                         });

// The table above follows the card list the form builds at 3.3 V.
TEST(IlmarchGoldenCards, ThreeVoltListOfTheCatalogue) {
    TConfigBase<ILMARCH_CONFIG> holder;
    holder.BuildCardList(CONNECTOR_GPIO80, false, VOLTAGE_3V3);
    EXPECT_EQ(std::vector<int>(holder.CardIds, holder.CardIds + holder.CardCount), k3V3Cards);
}

} // namespace
