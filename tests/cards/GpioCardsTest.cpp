// The GPIO header card maps: shape of every map, the full map of every card
// against a fixture written from the card's documentation, the table walker
// and the board-dependent choices of these cards' fills.

#include "cards/gpio_fmc_memory/GpioCards.h"
#include "boards/Boards.h"
#include "boards/arria10_stratix10/GristelId.h"
#include "boards/cyclone3/AlvekId.h"
#include "boards/cyclone4/IstrelId.h"
#include "boards/cyclone5/IlmarchId.h"
#include "boards/stratix3/FennikId.h"
#include "boards/stratix4/GaldreX1Id.h"
#include "boards/stratix5/CalvetId.h"
#include "cards/CardDump.h"
#include "cards/CardMap.h"
#include "model/DaughterBoard.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

using cardtest::Dump;
using cardtest::ReadFixture;

using Filler = void (*)(TDaughterBoard&, IoStd);

struct CardCase {
    const char* fixture; // tests/cards/fixtures/<fixture>.txt
    CardId card;
    Filler fill;
    int positions;
    int pins;
    bool takesStandard; // false: every pin has 3.3-V LVTTL
};

const CardCase kCards[] = {
    {"gpio_default_numbered", CARD_GPIO_DEFAULT,
     [](TDaughterBoard& c, IoStd s) { D_GPIO_DEFAULT(c, true, s); }, 40, 36, true},
    {"gpio_default_data_bus", CARD_GPIO_DEFAULT,
     [](TDaughterBoard& c, IoStd s) { D_GPIO_DEFAULT(c, false, s); }, 40, 36, true},
    {"gpio_default_named_GPIO_1", CARD_GPIO_DEFAULT,
     [](TDaughterBoard& c, IoStd s) { D_GPIO_DEFAULT_NAMED(c, "GPIO_1", s); }, 40, 36, true},
    {"gpio_default_istrel", CARD_GPIO_DEFAULT,
     [](TDaughterBoard& c, IoStd) { D_GPIO_DEFAULT_ISTREL(c); }, 40, 36, false},
    {"ostel", CARD_OSTEL_GPIO, D_GPIO_OSTEL, 80, 70, true},
    {"fyrn", CARD_FYRN, D_GPIO_FYRN, 40, 21, true},
    {"tambry", CARD_TAMBRY, D_GPIO_TAMBRY, 40, 36, true},
    {"wistel", CARD_WISTEL, D_GPIO_WISTEL, 40, 30, true},
    {"rindle", CARD_RINDLE, D_GPIO_RINDLE, 40, 28, true},
    {"wistel", CARD_WISTEL2, D_GPIO_WISTEL2, 40, 30, true},
    {"cavel", CARD_CAVEL, D_GPIO_CAVEL, 40, 30, true},
    {"zeppit", CARD_ZEPPIT, D_GPIO_ZEPPIT, 40, 34, true},
    {"glent", CARD_GLENT_GPIO, D_GPIO_GLENT, 40, 22, true},
};

bool IsSupplyPosition(int position) {
    const int p = (position - 1) % GPIO_PIN_NUM + 1;
    return p == 11 || p == 12 || p == 29 || p == 30;
}

// The fixtures hold the maps filled with this standard, one that no map uses
// as a fixed code.
constexpr IoStd kFixtureStandard = IOSTD_1V2;

} // namespace

TEST(GpioCardMaps, EveryMapHasOneEntryPerPosition) {
    for (const CardCase& k : kCards) {
        for (const IoStd handedIn : {IOSTD_3V3_LVTTL, IOSTD_1V8, IOSTD_3V0_PCIX}) {
            SCOPED_TRACE(std::string(k.fixture) + " with standard " +
                         std::to_string(static_cast<int>(handedIn)));
            TDaughterBoard card;
            k.fill(card, handedIn);
            ASSERT_EQ(card.GetPinCount(), k.positions);
            EXPECT_EQ(BoardConnectorType(k.card),
                      k.positions == 80 ? CONNECTOR_GPIO80 : CONNECTOR_GPIO40);

            std::set<std::string> names;
            int pins = 0;
            for (int i = 0; i < card.GetPinCount(); ++i) {
                const int position = i + 1;
                const TPin* p = card.GetPin(i);
                if (IsSupplyPosition(position)) {
                    EXPECT_EQ(p, nullptr) << "supply position " << position;
                }
                if (!p) {
                    continue;
                }
                ++pins;
                EXPECT_EQ(p->GetPinIndex(), position);
                EXPECT_TRUE(p->GetDirection() == PIN_DIR_INOUT ||
                            p->GetDirection() == PIN_DIR_INPUT ||
                            p->GetDirection() == PIN_DIR_OUTPUT)
                    << position;
                EXPECT_EQ(p->GetIoStandard(), k.takesStandard ? handedIn : IOSTD_3V3_LVTTL)
                    << position;
                EXPECT_TRUE(p->GetLocation().empty());
                EXPECT_FALSE(p->GetI2cFlag());
                EXPECT_EQ(p->IsClock, 0);
                EXPECT_TRUE(names.insert(p->GetName()).second) << "twice: " << p->GetName();
            }
            EXPECT_EQ(pins, k.pins);
        }
    }
}

TEST(GpioCardMaps, MatchTheirFixtures) {
    for (const CardCase& k : kCards) {
        SCOPED_TRACE(k.fixture);
        TDaughterBoard card;
        k.fill(card, kFixtureStandard);
        const std::vector<std::string> got = Dump(card);
        const std::vector<std::string> want = ReadFixture(k.fixture);
        ASSERT_EQ(got.size(), want.size());
        for (std::size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got[i], want[i]);
        }
    }
}

TEST(CardMap, ExpandsRunsAndNameLists) {
    constexpr CardMapRow rows[] = {
        {"5, 1-2", "B[1..0], C", PIN_DIR_OUTPUT, ROW_IOSTD},
        {"7-9", "D[10..12]", PIN_DIR_INPUT, RowStdFixed(IOSTD_LVDS), true},
        {"4", "E[3]", PIN_DIR_INOUT, ROW_IOSTD},
    };
    TConnector card("", "", CONNECTOR_NONE, -1);
    FillCardMap(card, 10, {"TEST", rows}, IOSTD_2V5, "X_");
    const std::vector<std::string> expected = {
        "1\tX_B[0]\tout\t6",
        "2\tX_C\tout\t6",
        "3",
        "4\tX_E[3]\tinout\t6",
        "5\tX_B[1]\tout\t6",
        "6",
        "7\tX_D[10]\tin\t21\ti2c",
        "8\tX_D[11]\tin\t21\ti2c",
        "9\tX_D[12]\tin\t21\ti2c",
        "10",
    };
    EXPECT_EQ(Dump(card), expected);
    EXPECT_TRUE(card.GetPin(7)->GetI2cFlag());
    EXPECT_FALSE(card.GetPin(0)->GetI2cFlag());
}

TEST(CardMapDeathTest, MalformedTablesStop) {
    struct Case {
        CardMapRow row;
        const char* why;
    };
    const Case cases[] = {
        {{"1-3", "A[0..1]", PIN_DIR_INOUT, ROW_IOSTD}, "more positions than names"},
        {{"1", "A[0..1]", PIN_DIR_INOUT, ROW_IOSTD}, "more names than positions"},
        {{"0", "A", PIN_DIR_INOUT, ROW_IOSTD}, "position 0"},
        {{"5", "A", PIN_DIR_INOUT, ROW_IOSTD}, "position past the connector"},
        {{"1, 1", "A, B", PIN_DIR_INOUT, ROW_IOSTD}, "a position twice"},
        {{"3-1", "A[0..2]", PIN_DIR_INOUT, ROW_IOSTD}, "a falling position run"},
        {{"1x", "A", PIN_DIR_INOUT, ROW_IOSTD}, "an unreadable position"},
        {{"1", "A", PIN_DIR_FROM_CARD, ROW_IOSTD}, "direction 4"},
        {{"1", "A", PIN_DIR_NONE, ROW_IOSTD}, "direction 0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_DEATH(
            {
                TConnector card("", "", CONNECTOR_NONE, -1);
                FillCardMap(card, 4, {"MALFORMED", std::span(&c.row, 1)}, IOSTD_2V5);
            },
            "Assertion failed: card map MALFORMED, row 1");
    }
}

// The board-dependent choices of these cards' fills; every card's own map
// through the dispatcher is covered by the card registry's test.
TEST(GpioCardDispatch, ChoosesTheMapAndStandards) {
    struct Case {
        const char* what;
        CardId card;
        BoardId board;
        IoStd standard;
        const char* busName;
        void (*expected)(TDaughterBoard&);
    };
    const Case cases[] = {
        {"card 1 numbered", CARD_GPIO_DEFAULT, MAINBOARD_ILMARCH, IOSTD_3V3_LVTTL, "",
         [](TDaughterBoard& c) { D_GPIO_DEFAULT(c, true, IOSTD_3V3_LVTTL); }},
        {"card 1 on a board with the older naming", CARD_GPIO_DEFAULT, MAINBOARD_ALVEK,
         IOSTD_3V3_LVTTL, "", [](TDaughterBoard& c) { D_GPIO_DEFAULT(c, false, IOSTD_3V3_LVTTL); }},
        {"card 1 older naming on board 6", CARD_GPIO_DEFAULT, MAINBOARD_FENNIK, IOSTD_2V5, "",
         [](TDaughterBoard& c) { D_GPIO_DEFAULT(c, false, IOSTD_2V5); }},
        {"card 1 on board 10", CARD_GPIO_DEFAULT, MAINBOARD_ISTREL, IOSTD_2V5, "",
         [](TDaughterBoard& c) { D_GPIO_DEFAULT_ISTREL(c); }},
        {"bus name on board 10", CARD_GPIO_DEFAULT, MAINBOARD_ISTREL, IOSTD_3V3_LVTTL, "GPIO_0",
         [](TDaughterBoard& c) { D_GPIO_DEFAULT_NAMED(c, "GPIO_0", IOSTD_3V3_LVTTL); }},
        {"bus name beats the older naming", CARD_GPIO_DEFAULT_1V5, MAINBOARD_ALVEK, IOSTD_1V5,
         "GPIO_1", [](TDaughterBoard& c) { D_GPIO_DEFAULT_NAMED(c, "GPIO_1", IOSTD_1V5); }},
        {"card 82 keeps the caller's standard", CARD_GPIO_DEFAULT_1V8, MAINBOARD_ILMARCH,
         IOSTD_3V3_LVTTL, "", [](TDaughterBoard& c) { D_GPIO_DEFAULT(c, true, IOSTD_3V3_LVTTL); }},
        {"card 81", CARD_GPIO_DEFAULT_2V5, MAINBOARD_ILMARCH, IOSTD_2V5, "",
         [](TDaughterBoard& c) { D_GPIO_DEFAULT(c, true, IOSTD_2V5); }},
        {"card 83", CARD_GPIO_DEFAULT_1V5, MAINBOARD_ILMARCH, IOSTD_1V5, "",
         [](TDaughterBoard& c) { D_GPIO_DEFAULT(c, true, IOSTD_1V5); }},
        {"board 8 single-ended code", CARD_GPIO_DEFAULT, MAINBOARD_GALDRE_X1, IOSTD_3V3_LVTTL, "",
         [](TDaughterBoard& c) { D_GPIO_DEFAULT(c, true, IOSTD_3V0_PCIX); }},
        {"card 12 on board 8", CARD_FYRN, MAINBOARD_GALDRE_X1, IOSTD_3V3_LVTTL, "",
         [](TDaughterBoard& c) { D_GPIO_FYRN(c, IOSTD_3V0_PCIX); }},
        {"card 12 on board 31", CARD_FYRN, MAINBOARD_CALVET, IOSTD_3V3_LVTTL, "",
         [](TDaughterBoard& c) { D_GPIO_FYRN(c, IOSTD_2V5); }},
        {"card 12 on board 35 at 1.8 V", CARD_FYRN, MAINBOARD_GRISTEL, IOSTD_1V8, "",
         [](TDaughterBoard& c) { D_GPIO_FYRN(c, IOSTD_1V8); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TDaughterBoard expected;
        c.expected(expected);
        // Start from another card's pins: the fill replaces them.
        TDaughterBoard card;
        D_GPIO_OSTEL(card, IOSTD_2V5);
        card.FillCard(c.card, BoardCardRules(c.board), 0, c.standard, c.busName);
        EXPECT_EQ(Dump(card), Dump(expected));
        EXPECT_EQ(card.GetName(), BoardName(c.card));
        EXPECT_EQ(card.GetDescription(), BoardDescription(c.card));
        EXPECT_EQ(card.GetType(), BoardConnectorType(c.card));
    }
}
