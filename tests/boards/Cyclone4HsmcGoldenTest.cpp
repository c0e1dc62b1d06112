// Projects of the Cyclone IV boards Elvory (5), Lorsk (13) and Marwen (14)
// from settings records, compared byte for byte with the fixtures in
// tests/boards/golden/<case>/ (date fixed) and checked with the real tools:
// each board's defaults, and the settings that show its own rules (the
// voltages and their cards, the "HSMC_" default prefix, the PCIe lanes).
// PINSMITH_UPDATE_GOLDEN=1 rewrites the fixtures; review the diff.

#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/cyclone4/ElvoryConfig.h"
#include "boards/cyclone4/ElvoryId.h"
#include "boards/cyclone4/LorskConfig.h"
#include "boards/cyclone4/LorskId.h"
#include "boards/cyclone4/MarwenConfig.h"
#include "boards/cyclone4/MarwenId.h"
#include "support/Golden.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

struct GoldenCase {
    std::string name; // fixture folder and project name
    BoardId board;
    std::function<void(std::vector<std::uint8_t>&)> edit; // after the defaults
};

void SetI32(std::vector<std::uint8_t>& record, std::size_t offset, std::int32_t value) {
    std::memcpy(record.data() + offset, &value, sizeof value);
}

std::vector<GoldenCase> Cases() {
    return {
        {"ELVORY", MAINBOARD_ELVORY, [](std::vector<std::uint8_t>&) {}},
        // Card 17 at 1.8 V on the HSMC, the 2.5-V GPIO Default card on the
        // header: both banks' on-board pins follow.
        {"elvory_hsmc17_1v8_gpio_2v5", MAINBOARD_ELVORY,
         [](std::vector<std::uint8_t>& r) {
             SetI32(r, offsetof(ELVORY_CONFIG, nHsmcVoltageIndex), 2);
             r[offsetof(ELVORY_CONFIG, nHsmcDaughterId)] = 17;
             SetI32(r, offsetof(ELVORY_CONFIG, nGpioVoltageIndex), 1);
         }},
        {"LORSK", MAINBOARD_LORSK, [](std::vector<std::uint8_t>&) {}},
        // HSMC Default with an empty prefix ("HSMC_"), GPIO Default on the
        // header, the LCD ticked.
        {"lorsk_card2_gpio1", MAINBOARD_LORSK,
         [](std::vector<std::uint8_t>& r) {
             r[offsetof(LORSK_CONFIG, nHsmcDaughterId)] = 2;
             r[offsetof(LORSK_CONFIG, nGpioDaughterId)] = 1;
             r[offsetof(LORSK_CONFIG, bLCD)] = 1;
         }},
        {"Marwen", MAINBOARD_MARWEN, [](std::vector<std::uint8_t>&) {}},
        {"marwen_card2_pcie_hard", MAINBOARD_MARWEN,
         [](std::vector<std::uint8_t>& r) {
             r[offsetof(MARWEN_CONFIG, nHsmcDaughterId)] = 2;
             r[offsetof(MARWEN_CONFIG, bPCIeHardIP)] = 1;
         }},
    };
}

class Cyclone4HsmcGolden : public testing::TestWithParam<GoldenCase> {};

TEST_P(Cyclone4HsmcGolden, MatchesFixturesAndPassesTheTools) {
    const GoldenCase& c = GetParam();
    golden::ExpectGoldenProject(c.board, c.name,
                                [&](const BoardDef&, golden::Record& r) { c.edit(r); });
}

INSTANTIATE_TEST_SUITE_P(Records, Cyclone4HsmcGolden, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<GoldenCase>& info) {
                             return info.param.name;
                         });

} // namespace
