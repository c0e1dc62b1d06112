// Projects of the Cyclone V HSMC boards Quindle (19), Rasmer (20) and Falmor
// (34) from settings records, compared byte for byte with the fixtures in
// tests/boards/golden/<case>/ (date fixed) and checked with the real tools:
// each board's defaults, and the settings that show its own rules (voltage,
// reference clock, the "HSMC_" default prefix, lanes, VHDL).
// PINSMITH_UPDATE_GOLDEN=1 rewrites the fixtures; review the diff.

#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/cyclone5/ConfigFalmor.h"
#include "boards/cyclone5/FalmorId.h"
#include "boards/cyclone5/QuindleConfig.h"
#include "boards/cyclone5/QuindleId.h"
#include "boards/cyclone5/RasmerConfig.h"
#include "boards/cyclone5/RasmerId.h"
#include "generator/Pinsmith.h"
#include "platform/Files.h"
#include "platform/ScriptedUi.h"
#include "support/BoardCheckOptions.h"
#include "support/Golden.h"
#include "support/ProjectChecker.h"
#include "support/TempDir.h"

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
        {"QUINDLE", MAINBOARD_QUINDLE, [](std::vector<std::uint8_t>&) {}},
        // Transceiver card with CLOCK: the reference clock, its .qsf block
        // and the default prefix "HSMC_".
        {"quindle_card3_clock", MAINBOARD_QUINDLE,
         [](std::vector<std::uint8_t>& r) { r[offsetof(QUINDLE_CONFIG, HsmcDaughterId)] = 3; }},
        {"quindle_card17_1v8", MAINBOARD_QUINDLE,
         [](std::vector<std::uint8_t>& r) {
             SetI32(r, offsetof(QUINDLE_CONFIG, HsmcVoltage), 2);
             r[offsetof(QUINDLE_CONFIG, HsmcDaughterId)] = 17;
         }},
        {"RASMER", MAINBOARD_RASMER, [](std::vector<std::uint8_t>&) {}},
        // A GPIO card drops HEX2 and HEX3; HSMC Default takes "HSMC_".
        {"rasmer_gpio_hsmc_default", MAINBOARD_RASMER,
         [](std::vector<std::uint8_t>& r) {
             r[offsetof(RASMER_CONFIG, GpioDaughterId)] = 1;
             r[offsetof(RASMER_CONFIG, HsmcDaughterId)] = 2;
         }},
        // The SATA card on the lanes: their p halves only.
        {"rasmer_card23", MAINBOARD_RASMER,
         [](std::vector<std::uint8_t>& r) { r[offsetof(RASMER_CONFIG, HsmcDaughterId)] = 23; }},
        {"Falmor", MAINBOARD_FALMOR, [](std::vector<std::uint8_t>&) {}},
        // VHDL, a GPIO card, card 17 at 1.5 V and the HPS pins.
        {"falmor_vhdl_gpio_card17_1v5_hps", MAINBOARD_FALMOR,
         [](std::vector<std::uint8_t>& r) {
             r[offsetof(FALMOR_CONFIG, VHDL)] = 1;
             r[offsetof(FALMOR_CONFIG, HPS)] = 1;
             r[offsetof(FALMOR_CONFIG, GpioDaughterId)] = 12;
             SetI32(r, offsetof(FALMOR_CONFIG, HsmcVoltage), 3);
             r[offsetof(FALMOR_CONFIG, HsmcDaughterId)] = 17;
         }},
    };
}

class HsmcBoardGolden : public testing::TestWithParam<GoldenCase> {};

TEST_P(HsmcBoardGolden, MatchesFixturesAndPassesTheTools) {
    const GoldenCase& c = GetParam();
    golden::ExpectGoldenProject(c.board, c.name,
                                [&](const BoardDef&, golden::Record& r) { c.edit(r); },
                                {.mend = golden::Mend::None});
}

INSTANTIATE_TEST_SUITE_P(Records, HsmcBoardGolden, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<GoldenCase>& info) {
                             return info.param.name;
                         });

// The board matrix walks the lists of the default voltage; this walks every
// card of the other voltages' HSMC lists (3.3 V, 1.8 V, 1.5 V) on Quindle and
// Falmor, with empty and typed prefixes, through the writer and the real
// tools.
TEST(HsmcBoardVoltages, EveryListedCardOfEveryVoltageGenerates) {
    struct Board {
        BoardId id;
        std::size_t voltageOffset;
    };
    const Board boards[] = {{MAINBOARD_QUINDLE, offsetof(QUINDLE_CONFIG, HsmcVoltage)},
                            {MAINBOARD_FALMOR, offsetof(FALMOR_CONFIG, HsmcVoltage)}};
    TempDir dir;
    std::vector<checker::ProjectToCheck> projects;
    for (const Board& b : boards) {
        const BoardDef& def = *FindBoard(b.id);
        for (const std::int32_t voltage : {0, 2, 3}) {
            std::vector<std::uint8_t> record(def.record.size);
            SetDefaultRecord(def, record);
            SetI32(record, b.voltageOffset, voltage);
            const BoardCardPort port = EffectivePorts(def, record).back();
            for (const std::uint8_t card : PortCardList(port)) {
                for (const char* prefix : {"", "V_"}) {
                    const std::string name = std::string(def.folderWord) + "_v" +
                                             std::to_string(voltage) + "_" + std::to_string(card) +
                                             (*prefix ? "_p" : "_e");
                    SCOPED_TRACE(name);
                    record[port.cardOffset] = card;
                    SetRecordFieldText(record, port.prefixOffset, prefix);
                    SetRecordFieldText(record, def.record.projectNameOffset, name);
                    std::string message;
                    ASSERT_TRUE(CheckRecord(def, record, message)) << message;
                    platform::ScriptedUi ui;
                    const std::string folder = dir.Path() + name + "/";
                    platform::ForceDirectories(folder);
                    const auto board = BuildBoardModel(def, record);
                    TPinsmith pinsmith;
                    ASSERT_TRUE(pinsmith.Generate(board.get(), folder + name + ".qpf",
                                                  UsesVhdl(def, record)));
                    EXPECT_TRUE(ui.Boxes().empty());
                    projects.push_back({folder, name, checker::BoardCheckOptions(b.id)});
                }
            }
        }
    }
    EXPECT_EQ(projects.size(), 2u * 2 * (5 + 2 + 2));
    const std::vector<std::vector<std::string>> problems = checker::CheckProjects(projects);
    for (std::size_t i = 0; i < projects.size(); ++i) {
        for (const std::string& problem : problems[i]) {
            ADD_FAILURE() << projects[i].name << ": " << problem;
        }
    }
}

} // namespace
