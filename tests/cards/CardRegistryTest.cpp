// Every card of the registry that has a pin map, through the dispatcher:
// one entry per position, pins at their positions with a real direction,
// names that stay distinct under a prefix, the catalogue's stamp; and the
// fixture of the cards that have one.

#include "cards/CardRegistry.h"
#include "boards/Boards.h"
#include "boards/cyclone5/IlmarchId.h"
#include "cards/CardDump.h"
#include "model/DaughterBoard.h"
#include "platform/Resources.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

std::vector<int> MappedCards() {
    std::vector<int> ids;
    for (int id = 0; id < kCardIdCount; ++id) {
        if (FindCardEntry(MakeCardId(id))->fill) {
            ids.push_back(id);
        }
    }
    return ids;
}

// Cards whose fill on board 37 with 1.2 V handed in is a fixture of
// tests/cards/fixtures/.
struct FixtureCase {
    CardId card;
    const char* fixture;
};
const FixtureCase kFixtures[] = {
    {CARD_GPIO_DEFAULT, "gpio_default_numbered"},
    {CARD_OSTEL_GPIO, "ostel"},
    {CARD_FYRN, "fyrn"},
    {CARD_TAMBRY, "tambry"},
    {CARD_WISTEL, "wistel"},
    {CARD_RINDLE, "rindle"},
    {CARD_WISTEL2, "wistel"},
    {CARD_CAVEL, "cavel"},
    {CARD_ZEPPIT, "zeppit"},
    {CARD_GLENT_GPIO, "glent"},
};

} // namespace

class MappedCard : public testing::TestWithParam<int> {};

TEST_P(MappedCard, FillsOneEntryPerPositionUnderAnyPrefix) {
    const CardId id = MakeCardId(GetParam());
    const CardEntry& entry = *FindCardEntry(id);
    TDaughterBoard card;
    card.FillCard(id, BoardCardRules(MAINBOARD_ILMARCH), 0, IOSTD_3V3_LVTTL, "");
    ASSERT_EQ(card.GetPinCount(), entry.positions);
    EXPECT_EQ(card.GetName(), BoardName(id));
    EXPECT_EQ(card.GetDescription(), BoardDescription(id));
    EXPECT_EQ(card.GetType(), BoardConnectorType(id));

    std::set<std::string> names;
    int pins = 0;
    for (int i = 0; i < card.GetPinCount(); ++i) {
        const TPin* pin = card.GetPin(i);
        // An adaptor map may switch pins off (direction 0): they reach no
        // project.
        if (!pin || pin->GetDirection() == PIN_DIR_NONE) {
            continue;
        }
        ++pins;
        EXPECT_EQ(pin->GetPinIndex(), i + 1);
        EXPECT_TRUE(pin->GetDirection() == PIN_DIR_INOUT || pin->GetDirection() == PIN_DIR_INPUT ||
                    pin->GetDirection() == PIN_DIR_OUTPUT)
            << i + 1;
        EXPECT_TRUE(names.insert("P_" + pin->GetName()).second) << "twice: " << pin->GetName();
    }
    EXPECT_GT(pins, 0);
}

INSTANTIATE_TEST_SUITE_P(Registry, MappedCard, testing::ValuesIn(MappedCards()),
                         [](const testing::TestParamInfo<int>& info) {
                             return "card_" + std::to_string(info.param);
                         });

TEST(CardRegistry, FixturesThroughTheDispatcher) {
    for (const FixtureCase& c : kFixtures) {
        SCOPED_TRACE(c.fixture);
        TDaughterBoard card;
        card.FillCard(c.card, BoardCardRules(MAINBOARD_ILMARCH), 0, IOSTD_1V2, "");
        EXPECT_EQ(cardtest::Dump(card), cardtest::ReadFixture(c.fixture));
    }
}

TEST(CardRegistry, RowsAndPictures) {
    for (int id = 0; id < kCardIdCount; ++id) {
        SCOPED_TRACE(id);
        const CardEntry& entry = *FindCardEntry(MakeCardId(id));
        // A map knows how many entries it appends; no map, no count.
        EXPECT_EQ(entry.fill != nullptr || entry.module != nullptr, entry.positions > 0);
        if (entry.picture) {
            EXPECT_TRUE(platform::FindResource(entry.picture).has_value()) << entry.picture;
        }
        // A card a combo can offer has a name and a picture (memory modules
        // sit in sockets the boards fill themselves).
        if (IsBoardListed(MakeCardId(id)) && entry.fill && HasBoardName(MakeCardId(id))) {
            EXPECT_NE(entry.picture, nullptr);
        }
    }
    EXPECT_EQ(FindCardEntry(MakeCardId(95)), nullptr);
    EXPECT_FALSE(HasPinMap(CARD_NONE));
}

TEST(CardRegistryDeathTest, FillCardOfACardWithoutAMapStops) {
    TDaughterBoard card;
    EXPECT_DEATH(card.FillCard(CARD_KIRREL_DEFAULT, BoardCardRules(MAINBOARD_ILMARCH), 0,
                               IOSTD_3V3_LVTTL, ""),
                 "FillCard: card 5 has no pin map");
}
