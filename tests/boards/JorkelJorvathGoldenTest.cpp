// Projects of the Cyclone III boards Jorkel (50) and Jorvath (11) from
// settings records, compared byte for byte with the fixtures in
// tests/boards/golden/<case>/ (date fixed) and checked with the real tools:
// each board's defaults and the settings that show its own rules (the
// configuration pins used as I/O, the memory module, Kirrel cards).
// PINSMITH_UPDATE_GOLDEN=1 rewrites the fixtures; review the diff.

#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/cyclone3/JorkelConfig.h"
#include "boards/cyclone3/JorkelId.h"
#include "boards/cyclone3/JorvathConfig.h"
#include "boards/cyclone3/JorvathId.h"
#include "support/Golden.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace {

using Record = std::vector<std::uint8_t>;

struct GoldenCase {
    std::string name; // fixture folder and project name
    BoardId board;
    std::function<void(const BoardDef&, Record&)> edit; // after the defaults
};

void PrintTo(const GoldenCase& c, std::ostream* out) {
    *out << c.name;
}

void Untick(const BoardDef& def, Record& record) {
    for (const std::size_t offset : def.peripherals) {
        record[offset] = 0;
    }
}

std::vector<GoldenCase> Cases() {
    return {
        {"JORKEL", MAINBOARD_JORKEL, [](const BoardDef&, Record&) {}},
        // Flash and SSRAM alone: DATA0 and DATA1 are user I/O.
        {"jorkel_flash_ssram", MAINBOARD_JORKEL,
         [](const BoardDef& def, Record& r) {
             Untick(def, r);
             r[offsetof(JORKEL_CONFIG, bFlashSSRAM)] = 1;
         }},
        // HSMC Default alone: a signal at position 115 (E18) frees nCEO.
        {"jorkel_card2_nceo", MAINBOARD_JORKEL,
         [](const BoardDef& def, Record& r) {
             Untick(def, r);
             r[offsetof(JORKEL_CONFIG, nHsmcDaughterId)] = 2;
         }},
        {"JORVATH", MAINBOARD_JORVATH, [](const BoardDef&, Record&) {}},
        // The SODIMM, an HSMC card on the pair through the position map and
        // a Kirrel card (32-bit id) on Kirrel 1, whose position 45 frees nCEO.
        {"jorvath_ddr2_cards", MAINBOARD_JORVATH,
         [](const BoardDef& def, Record& r) {
             r[offsetof(JORVATH_CONFIG, bDDR2)] = 1;
             SetRecordPortCard(r, def.ports[jorvath::KIRREL23], MakeCardId(6));
             SetRecordPortCard(r, def.ports[jorvath::KIRREL1], MakeCardId(15));
         }},
    };
}

class JorkelJorvathGolden : public testing::TestWithParam<GoldenCase> {};

TEST_P(JorkelJorvathGolden, MatchesFixturesAndPassesTheTools) {
    const GoldenCase& c = GetParam();
    golden::ExpectGoldenProject(c.board, c.name, c.edit, {.mend = golden::Mend::None});
}

INSTANTIATE_TEST_SUITE_P(Records, JorkelJorvathGolden, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<GoldenCase>& info) {
                             return info.param.name;
                         });

} // namespace
