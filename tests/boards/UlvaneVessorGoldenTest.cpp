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
#include "support/Golden.h"
#include "support/ProjectChecker.h"

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
    golden::ExpectGoldenProject(c.board, c.name,
                                [&](const BoardDef& def, golden::Record& r) {
                                    if (c.everything) {
                                        for (const std::size_t offset : def.peripherals) {
                                            r[offset] = 1;
                                        }
                                    }
                                    r[def.ports[0].cardOffset] = c.card0;
                                    r[def.ports[1].cardOffset] = c.card1;
                                    SetRecordFieldText(r, def.ports[0].prefixOffset, c.prefix0);
                                    SetRecordFieldText(r, def.ports[1].prefixOffset, c.prefix1);
                                },
                                {.checks = [&](BoardId, ConstRecordSpan, const TMainBoard& board) {
                                    const checker::CheckOptions options = HpsAllowances(board);
                                    EXPECT_EQ(options.portsWithoutLocation.empty(), !c.everything);
                                    return options;
                                }});
}

INSTANTIATE_TEST_SUITE_P(Records, UlvaneVessorGolden, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<GoldenCase>& info) {
                             return info.param.name;
                         });

} // namespace
