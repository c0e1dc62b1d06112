// Golden projects of Galdre_X2, Fennik, Hollin and Kelvane through their
// definitions, checked with the real tools: each board's defaults and the
// settings that show the board's own rules (the second FPGA node, the GPIO
// and DDR2 modes, the HSMC Default prefixes and the port-1 clock names, the
// DDR3 module, an LPC card on an HPC port, the Kelvane variant).

#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/arria2/KelvaneConfig.h"
#include "boards/arria2/KelvaneId.h"
#include "boards/stratix3/FennikConfig.h"
#include "boards/stratix3/FennikId.h"
#include "boards/stratix4/GaldreX2Board.h"
#include "boards/stratix4/GaldreX2Config.h"
#include "boards/stratix4/GaldreX2Id.h"
#include "boards/stratix4/HollinConfig.h"
#include "boards/stratix4/HollinId.h"
#include "support/Golden.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

namespace {

using Record = std::vector<std::uint8_t>;

struct GoldenCase {
    std::string name;
    BoardId board;
    void (*edit)(Record& r);
    int node = 0; // Galdre_X2: the FPGA node generated
};

void SetText(Record& r, std::size_t offset, const char* text) {
    SetRecordFieldText(r, offset, text);
}

constexpr std::size_t kNode1 = offsetof(GALDRE_X2_CONFIG, F) + sizeof(GALDRE_X2_NODE);
#define NODE1(f) (kNode1 + offsetof(GALDRE_X2_NODE, f))

const GoldenCase kCases[] = {
    {"F1_Galdre", MAINBOARD_GALDRE_X2, [](Record&) {}},
    {"galdre_x2_node2", MAINBOARD_GALDRE_X2,
     [](Record& r) {
         SetText(r, NODE1(ProjectName), "galdre_x2_node2");
         r[NODE1(bDDR2)] = 1;
         r[NODE1(nHsmcDaughterId) + 2] = 6;
         r[NODE1(nHsmcDaughterId) + 3] = 18;
         SetText(r, NODE1(szHSMCPrefixName) + 3 * kRecordTextSize, "D_");
     },
     1},
    {"FENNIK", MAINBOARD_FENNIK, [](Record&) {}},
    {"fennik_gpio_card81", MAINBOARD_FENNIK,
     [](Record& r) {
         r[offsetof(FENNIK_CONFIG, bGPIO)] = 1;
         r[offsetof(FENNIK_CONFIG, nGpioDaughterId)] = 81;
     }},
    {"fennik_ddr2_kirrel_c", MAINBOARD_FENNIK,
     [](Record& r) {
         r[offsetof(FENNIK_CONFIG, bDDR2)] = 1;
         r[offsetof(FENNIK_CONFIG, nKirrelDaughterId) + 2] = 6;
         r[offsetof(FENNIK_CONFIG, nBoardIndex)] = 3;
     }},
    {"HOLLIN", MAINBOARD_HOLLIN, [](Record&) {}},
    {"hollin_fmc_hsmc_ddr3", MAINBOARD_HOLLIN,
     [](Record& r) {
         r[offsetof(HOLLIN_CONFIG, bDDR3)] = 1;
         r[offsetof(HOLLIN_CONFIG, nFmcDaughterId) + 1] = 46;
         r[offsetof(HOLLIN_CONFIG, nHsmcDaughterId)] = 2;
         r[offsetof(HOLLIN_CONFIG, nHsmcDaughterId) + 1] = 2;
         SetText(r, offsetof(HOLLIN_CONFIG, szHsmcPrefixName) + kRecordTextSize, "B_");
     }},
    {"KELVANE", MAINBOARD_KELVANE, [](Record&) {}},
    {"kelvane_ddr2_hsmc_a", MAINBOARD_KELVANE,
     [](Record& r) {
         r[offsetof(KELVANE_CONFIG, bDDR2)] = 1;
         r[offsetof(KELVANE_CONFIG, nHsmcDaughterId)] = 6;
     }},
    // A loaded file's variant byte, without the DDR2 socket whose map
    // shares a pin with the variant's HSMB_TX_LED.
    {"kelvane_variant", MAINBOARD_KELVANE,
     [](Record& r) { r[offsetof(KELVANE_CONFIG, bVariant)] = 1; }},
};

#undef NODE1

class StratixArriaGolden : public testing::TestWithParam<GoldenCase> {};

TEST_P(StratixArriaGolden, MatchesFixturesAndPassesTheTools) {
    const GoldenCase& c = GetParam();
    // A node of Galdre_X2 is generated from the record the form holds, named
    // by the node's own field.
    golden::Options options{.nameInRecord = c.node == 0};
    if (c.node != 0) {
        options.handOver = [&](const golden::Record& held) {
            return galdre_x2::NodeView(held, c.node);
        };
    }
    golden::ExpectGoldenProject(
        c.board, c.name, [&](const BoardDef&, golden::Record& r) { c.edit(r); }, options);
}

INSTANTIATE_TEST_SUITE_P(Records, StratixArriaGolden, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<GoldenCase>& info) {
                             return info.param.name;
                         });

} // namespace
