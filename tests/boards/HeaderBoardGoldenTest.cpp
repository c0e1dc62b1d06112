// Projects of the two-header boards Alvek, Bressa, Corvin, Dunmar and Istrel
// generated from settings records, compared byte for byte with the fixtures
// in tests/boards/golden/<case>/ (date fixed) and checked with the real
// tools. PINSMITH_UPDATE_GOLDEN=1 rewrites the fixtures from the generated
// files instead; review the diff before committing it.

#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/cyclone2/BressaId.h"
#include "boards/cyclone2/CorvinId.h"
#include "boards/cyclone2/DunmarId.h"
#include "boards/cyclone3/AlvekId.h"
#include "boards/cyclone4/IstrelId.h"
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
    std::function<void(const BoardDef&, Record&)> set;
};

void PrintTo(const GoldenCase& c, std::ostream* out) {
    *out << c.name;
}

void Cards(const BoardDef& def, Record& r, int card0, const char* prefix0, int card1,
           const char* prefix1) {
    r[def.ports[0].cardOffset] = static_cast<std::uint8_t>(card0);
    r[def.ports[1].cardOffset] = static_cast<std::uint8_t>(card1);
    SetRecordFieldText(r, def.ports[0].prefixOffset, prefix0);
    SetRecordFieldText(r, def.ports[1].prefixOffset, prefix1);
}

// Only the peripherals at these record offsets ticked.
void Only(const BoardDef& def, Record& r, std::vector<std::size_t> offsets) {
    for (const std::size_t offset : def.peripherals) {
        r[offset] = 0;
    }
    for (const std::size_t offset : offsets) {
        r[offset] = 1;
    }
}

const auto kDefaults = [](const BoardDef&, Record&) {};

std::vector<GoldenCase> Cases() {
    return {
        {"ALVEK", MAINBOARD_ALVEK, kDefaults},
        {"BRESSA", MAINBOARD_BRESSA, kDefaults},
        {"CORVIN", MAINBOARD_CORVIN, kDefaults},
        {"DUNMAR", MAINBOARD_DUNMAR, kDefaults},
        {"ISTREL", MAINBOARD_ISTREL, kDefaults},
        // The older GPIO Default names, prefixed per header.
        {"alvek_gpio_default_a_b", MAINBOARD_ALVEK,
         [](const BoardDef& d, Record& r) { Cards(d, r, 81, "A_", 81, "B_"); }},
        // Corvin names the GPIO Default card GPIO[0..35], Dunmar the older way.
        {"corvin_gpio_default_p0_p1", MAINBOARD_CORVIN,
         [](const BoardDef& d, Record& r) { Cards(d, r, 81, "P0_", 81, "P1_"); }},
        {"dunmar_gpio_default_p0_p1", MAINBOARD_DUNMAR,
         [](const BoardDef& d, Record& r) { Cards(d, r, 81, "P0_", 81, "P1_"); }},
        // SD_DAT on W20: the NCEO line without a line end of its own.
        {"bressa_sdcard", MAINBOARD_BRESSA,
         [](const BoardDef& d, Record& r) { Only(d, r, {142}); }},
        // The default prefix GPIO before the board's own GPIO Default map.
        {"istrel_card1_gpio0", MAINBOARD_ISTREL,
         [](const BoardDef& d, Record& r) {
             Only(d, r, {136});
             Cards(d, r, 1, "", 0, "");
         }},
        // EPCS_ASDO on C1 and GPIO_2[9] on F16: the configuration-pin lines.
        {"istrel_epcs_header", MAINBOARD_ISTREL,
         [](const BoardDef& d, Record& r) {
             Only(d, r, {144, 145});
         }},
    };
}

class HeaderBoardGolden : public testing::TestWithParam<GoldenCase> {};

TEST_P(HeaderBoardGolden, MatchesFixturesAndPassesTheTools) {
    const GoldenCase& c = GetParam();
    golden::ExpectGoldenProject(c.board, c.name, c.set,
                                {.mend = golden::Mend::MustKeep, .checks = golden::StrictChecks()});
}

INSTANTIATE_TEST_SUITE_P(Records, HeaderBoardGolden, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<GoldenCase>& info) {
                             return info.param.name;
                         });

} // namespace
