// The pin fillers of the Arria 10 and Stratix 10 boards against whole dump
// fixtures (tests/boards/fixtures), written from the boards' pin tables
// apart from the C++ tables: every group, every pin with its location,
// direction, standard and clock, the expansion connectors' positions.

#include "A10Support.h"

#include "boards/BoardDump.h"
#include "boards/arria10_stratix10/ConfigEspern.h"
#include "boards/arria10_stratix10/ConfigGristel.h"
#include "boards/arria10_stratix10/ConfigZarvik.h"
#include "boards/arria10_stratix10/ConfigZarvikDdr4.h"
#include "boards/arria10_stratix10/EspernId.h"
#include "boards/arria10_stratix10/GristelId.h"
#include "boards/arria10_stratix10/ZarvikDdr4Id.h"
#include "boards/arria10_stratix10/ZarvikId.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <functional>
#include <string>

namespace {

using a10test::Record;

struct FixtureCase {
    const char* fixture;
    BoardId board;
    std::function<void(Record&)> edit; // on the record with every box ticked
};

// Edits the record as the board's struct.
template <class Config, class Edit> void As(Record& r, Edit edit) {
    Config config;
    std::memcpy(&config, r.data(), sizeof config);
    edit(config);
    std::memcpy(r.data(), &config, sizeof config);
}

void PrintTo(const FixtureCase& c, std::ostream* os) {
    *os << c.fixture;
}

const FixtureCase kCases[] = {
    {"zarvik_all", MAINBOARD_ZARVIK,
     [](Record& r) {
         As<ZARVIK_CONFIG>(r, [](ZARVIK_CONFIG& c) {
             c.DeviceVariant = 0;
             for (std::int32_t& index : c.Si5340AIndex) {
                 index = 3; // 156.25 MHz
             }
             c.Si5340BDdrIndex = 2; // 233.333 MHz
             c.Si5340BQdrIndex = 4; // 275 MHz
             c.Si5340BPcieIndex = 1;
         });
     }},
    {"zarvik_ddr4_all", MAINBOARD_ZARVIK_DDR4,
     [](Record& r) {
         As<ZARVIK_DDR4_CONFIG>(r, [](ZARVIK_DDR4_CONFIG& c) {
             c.Tps40428 = 1;
             for (std::int32_t& index : c.Si5340AIndex) {
                 index = 6; // 322.265 MHz
             }
             c.Si5340BDdrIndex = 3; // 233.333 MHz
             c.Si5340BQdrIndex = 2; // 233.333 MHz
             c.Si5340BPcieIndex = 1;
         });
     }},
    {"espern_all", MAINBOARD_ESPERN,
     [](Record& r) {
         As<ESPERN_CONFIG>(r, [](ESPERN_CONFIG& c) {
             c.Ltm4677 = 1;
             for (std::int32_t& index : c.Si5340AIndex) {
                 index = 3; // 156.25 MHz
             }
             c.Si5340BQdrIndex = 3; // 275 MHz
         });
     }},
    {"gristel_all", MAINBOARD_GRISTEL,
     [](Record& r) {
         r[offsetof(GRISTEL_CONFIG, SocketCardId)] = 77;
         r[offsetof(GRISTEL_CONFIG, FmcCardId)] = 40;
     }},
};

class FillerFixtures : public ::testing::TestWithParam<FixtureCase> {};

TEST_P(FillerFixtures, DumpMatchesTheFixture) {
    const FixtureCase& c = GetParam();
    Record record = a10test::AllTicked(c.board);
    c.edit(record);
    const auto board = a10test::Filled(c.board, record);
    boardtest::ExpectFixture(*board, c.fixture);
}

INSTANTIATE_TEST_SUITE_P(A10Boards, FillerFixtures, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.fixture); });

} // namespace
