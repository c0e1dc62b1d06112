// The settings rules of the two-header boards as the core runs them for the
// forms, the fuzz target and the matrix: the GPIO prefix rule, Istrel's
// default prefix and its check over the effective prefixes, and the
// generations these boards refuse (one signal from two connectors, a bus
// split by Istrel's fixed header inputs).

#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/cyclone2/BressaId.h"
#include "boards/cyclone2/CorvinId.h"
#include "boards/cyclone2/DunmarId.h"
#include "boards/cyclone3/AlvekId.h"
#include "boards/cyclone4/IstrelId.h"
#include "generator/Pinsmith.h"
#include "platform/Files.h"
#include "platform/ScriptedUi.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

using Record = std::vector<std::uint8_t>;

const char* const kClash = "GPIO-0 and GPIO-1 cannot have the same prefix name when both "
                           "connect to the same type of daughter boards.";

Record Defaults(const BoardDef& def) {
    Record record(def.record.size);
    SetDefaultRecord(def, record);
    return record;
}

void Cards(const BoardDef& def, Record& r, int card0, const char* prefix0, int card1,
           const char* prefix1) {
    r[def.ports[0].cardOffset] = static_cast<std::uint8_t>(card0);
    r[def.ports[1].cardOffset] = static_cast<std::uint8_t>(card1);
    SetRecordFieldText(r, def.ports[0].prefixOffset, prefix0);
    SetRecordFieldText(r, def.ports[1].prefixOffset, prefix1);
}

std::set<std::string> PinNames(const TMainBoard& board, const std::string& connector) {
    std::set<std::string> names;
    for (int c = 0; c < board.GetConnectorCount(); ++c) {
        const TConnector& con = *board.GetConnector(c);
        if (con.GetName() != connector) {
            continue;
        }
        for (int i = 0; i < con.GetPinCount(); ++i) {
            if (con.GetPin(i) && con.GetPin(i)->GetDirection() != PIN_DIR_NONE) {
                names.insert(con.GetPin(i)->GetName());
            }
        }
    }
    return names;
}

struct PrefixCase {
    int card0;
    const char* prefix0;
    int card1;
    const char* prefix1;
    bool passes;
};

// Two headers with the same card need different prefixes; GPIO-1 alone or
// different cards pass whatever the prefixes.
TEST(HeaderBoardRules, GpioPrefixRuleOfTheAlvekFamily) {
    const PrefixCase cases[] = {
        {81, "", 81, "", false}, {81, "A_", 81, "A_", false}, {81, "A_", 81, "B_", true},
        {0, "", 81, "", true},   {81, "", 0, "", true},       {0, "X", 0, "X", true},
    };
    for (const BoardId id :
         {MAINBOARD_ALVEK, MAINBOARD_BRESSA, MAINBOARD_CORVIN, MAINBOARD_DUNMAR}) {
        const BoardDef& def = *FindBoard(id);
        for (const PrefixCase& c : cases) {
            Record r = Defaults(def);
            Cards(def, r, c.card0, c.prefix0, c.card1, c.prefix1);
            std::string message;
            EXPECT_EQ(CheckRecord(def, r, message), c.passes)
                << BoardNumber(id) << ": " << c.card0 << " '" << c.prefix0 << "' " << c.card1
                << " '" << c.prefix1 << "'";
            EXPECT_EQ(message, c.passes ? "" : kClash);
        }
    }
}

// Istrel checks the prefixes the cards are attached with (an empty prefix
// of a GPIO Default card stands for "GPIO"), and its four GPIO Default cards
// fill one map, so they count as one card.
TEST(HeaderBoardRules, IstrelChecksTheEffectivePrefixes) {
    const BoardDef& def = *FindBoard(MAINBOARD_ISTREL);
    const PrefixCase cases[] = {
        {1, "", 1, "", false},     {1, "", 1, "GPIO", false}, {1, "GPIO", 1, "", false},
        {1, "", 81, "", false},    {82, "X", 83, "X", false}, {81, "", 83, "GPIO", false},
        {1, "A", 1, "B", true},    {1, "", 82, "B", true},    {1, "", 12, "", true},
        {12, "", 12, "", false},   {12, "", 13, "", true},    {0, "", 1, "", true},
        {12, "GPIO", 1, "", true},
    };
    for (const PrefixCase& c : cases) {
        Record r = Defaults(def);
        Cards(def, r, c.card0, c.prefix0, c.card1, c.prefix1);
        std::string message;
        EXPECT_EQ(CheckRecord(def, r, message), c.passes)
            << c.card0 << " '" << c.prefix0 << "' " << c.card1 << " '" << c.prefix1 << "'";
        EXPECT_EQ(message, c.passes ? "" : kClash);
    }
}

// The default prefix completes the board's GPIO Default names of cards 1,
// 81, 82 and 83 in the pin model only; other cards and given prefixes are
// left alone, and so is the record.
TEST(HeaderBoardRules, IstrelDefaultPrefixInThePinModelOnly) {
    const BoardDef& def = *FindBoard(MAINBOARD_ISTREL);
    std::set<std::string> expected = {"GPIO_IN[0]", "GPIO_IN[1]"};
    for (int i = 0; i < 34; ++i) {
        expected.insert("GPIO[" + std::to_string(i) + "]");
    }
    for (const int card : {1, 81, 82, 83}) {
        Record r = Defaults(def);
        Cards(def, r, card, "", 0, "");
        const Record before = r;
        const auto board = BuildBoardModel(def, r);
        EXPECT_EQ(PinNames(*board, "GPIO_0"), expected) << card;
        EXPECT_EQ(r, before);
        EXPECT_EQ(EffectivePrefix(def, r, def.ports[0]), "GPIO");
        EXPECT_EQ(EffectivePrefix(def, r, def.ports[1]), "");
    }
    Record r = Defaults(def);
    Cards(def, r, 0, "", 1, "ABC");
    EXPECT_TRUE(PinNames(*BuildBoardModel(def, r), "GPIO_1").count("ABC_IN[0]"));
    EXPECT_TRUE(PinNames(*BuildBoardModel(def, r), "GPIO_1").count("ABC[33]"));
    Cards(def, r, 12, "", 0, "");
    EXPECT_EQ(EffectivePrefix(def, r, def.ports[0]), "");
    // Boards without a default prefix attach with the record's prefix.
    const BoardDef& alvek = *FindBoard(MAINBOARD_ALVEK);
    Record a = Defaults(alvek);
    Cards(alvek, a, 81, "", 0, "");
    EXPECT_TRUE(PinNames(*BuildBoardModel(alvek, a), "GPIO_0").count("GPIO_CLKIN[0]"));
}

class HeaderBoardRefusals : public testing::Test {
protected:
    // Generates the record's project; false when refused.
    bool Generate(const BoardDef& def, const Record& record) {
        std::string message;
        EXPECT_TRUE(CheckRecord(def, record, message)) << message;
        const auto board = BuildBoardModel(def, record);
        TPinsmith pinsmith;
        return pinsmith.Generate(board.get(), dir.File("refused.qpf"), false);
    }
    bool AnyProjectFile() {
        for (const char* ext : {".qpf", ".qsf", ".v", ".sdc", ".htm"}) {
            if (platform::FileExists(dir.File(std::string("refused") + ext))) {
                return true;
            }
        }
        return false;
    }
    platform::ScriptedUi ui;
    TempDir dir;
};

// The prefix GPIO_2 makes card 1's names those of the 2x13 header group:
// one signal from two connectors is refused, nothing is written.
TEST_F(HeaderBoardRefusals, IstrelHeaderPrefixMeetsTheTwoByThirteenHeader) {
    const BoardDef& def = *FindBoard(MAINBOARD_ISTREL);
    Record r = Defaults(def);
    Cards(def, r, 1, "GPIO_2", 0, "");
    EXPECT_FALSE(Generate(def, r));
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text, "Signal GPIO_2_IN[0] is used by both 2x13 GPIO Header and "
                                  "GPIO_0. Please use different prefix names.");
    EXPECT_FALSE(AnyProjectFile());

    // Without the header group the same choice generates.
    r[145] = 0;
    EXPECT_TRUE(Generate(def, r));
}

// Card 66 drives its PMW bus out of positions 1 and 3, which Istrel keeps as
// inputs: the bus has two directions, so the grouping refuses it on either
// header and nothing is written.
TEST_F(HeaderBoardRefusals, IstrelFixedInputsSplitTheCavelBus) {
    const BoardDef& def = *FindBoard(MAINBOARD_ISTREL);
    for (const int header : {0, 1}) {
        Record r = Defaults(def);
        if (header == 0) {
            Cards(def, r, 66, "", 0, "");
        } else {
            Cards(def, r, 0, "", 66, "");
        }
        ui.Clear();
        EXPECT_FALSE(Generate(def, r)) << header;
        ASSERT_EQ(ui.Boxes().size(), 1u);
        EXPECT_NE(ui.Boxes()[0].text.find("unmathced pin direction"), std::string::npos)
            << ui.Boxes()[0].text;
        EXPECT_FALSE(AnyProjectFile());
    }
}

} // namespace
