// Ilmarch projects generated from settings records, compared byte for byte
// with the fixtures in tests/boards/golden/<case>/ (date fixed), and checked
// with the real tools. PINSMITH_UPDATE_GOLDEN=1 rewrites the fixtures from
// the generated files instead; review the diff before committing it.

#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/cyclone5/IlmarchConfig.h"
#include "boards/cyclone5/IlmarchId.h"
#include "settings/ConfigBase.h"
#include "support/Golden.h"

#include <gtest/gtest.h>

#include <cstring>
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
    golden::ExpectGoldenProject(MAINBOARD_ILMARCH, c.name,
                                [&](const BoardDef&, golden::Record& r) {
                                    ILMARCH_CONFIG config;
                                    ASSERT_EQ(r.size(), sizeof config);
                                    std::memcpy(&config, r.data(), sizeof config);
                                    c.set(config);
                                    std::memcpy(r.data(), &config, sizeof config);
                                },
                                {.checks = golden::StrictChecks()});
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
