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
#include "support/Golden.h"

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
    golden::ExpectGoldenProject(c.board, c.name,
                                [&](const BoardDef& def, golden::Record& r) {
                                    for (const std::size_t offset : def.peripherals) {
                                        r[offset] = 1;
                                    }
                                    for (std::size_t p = 0; p < def.ports.size(); ++p) {
                                        r[def.ports[p].cardOffset] = c.cards[p];
                                        SetRecordFieldText(r, def.ports[p].prefixOffset,
                                                           c.prefixes[p]);
                                    }
                                },
                                {.mend = golden::Mend::None});
}

INSTANTIATE_TEST_SUITE_P(Records, GpioBoardGolden, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<GoldenCase>& info) {
                             return info.param.name;
                         });

} // namespace
