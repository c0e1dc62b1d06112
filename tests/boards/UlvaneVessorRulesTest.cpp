// The form rules of the Ulvane and Vessor boards over their settings
// records, one table over both boards: the defaults byte for byte, the card
// lists, which files load, how a loaded record is mended, the settings
// checks with the both-default headers, and how the cards are attached and
// generated. Record offsets are written out here from the boards' record
// layouts, not taken from the structs.

#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/cyclone5/UlvaneId.h"
#include "boards/cyclone5/VessorId.h"
#include "generator/Pinsmith.h"
#include "platform/Files.h"
#include "platform/ScriptedUi.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

struct Layout {
    BoardId id;
    const char* name;                 // the default project name
    std::vector<std::size_t> options; // option bytes, the HPS byte among them
    std::size_t hps;
    std::size_t card0, card1;
    std::size_t prefix0, prefix1;
};

const Layout kBoards[] = {
    {MAINBOARD_ULVANE, "ULVANE", {136, 137, 138, 139, 140, 141, 142}, 141, 143, 144, 145, 273},
    {MAINBOARD_VESSOR, "VESSOR", {136, 137, 138, 139, 140, 141, 142, 143}, 141, 144, 145, 146, 274},
};

const BoardDef& Def(const Layout& b) {
    return *FindBoard(b.id);
}

std::string Title(const Layout& b) {
    return Def(b).title;
}

std::vector<std::uint8_t> Defaults(const Layout& b) {
    std::vector<std::uint8_t> record(404, 0xA5); // the defaults must set every byte
    SetDefaultRecord(Def(b), record);
    return record;
}

std::string Text(const std::vector<std::uint8_t>& record, std::size_t offset) {
    return RecordFieldText(record, offset);
}

void SetText(std::vector<std::uint8_t>& record, std::size_t offset, const std::string& text) {
    SetRecordFieldText(record, offset, text);
}

std::vector<std::uint8_t> WithCards(const Layout& b, std::uint8_t card0, const char* prefix0,
                                    std::uint8_t card1, const char* prefix1) {
    std::vector<std::uint8_t> record = Defaults(b);
    record[b.card0] = card0;
    record[b.card1] = card1;
    SetText(record, b.prefix0, prefix0);
    SetText(record, b.prefix1, prefix1);
    return record;
}

const char* const kClash = "GPIO-0 and GPIO-1 cannot have the same prefix name when both "
                           "connect to the same type of daughter boards.";

} // namespace

TEST(UlvaneVessorRules, DefaultBytes) {
    for (const Layout& b : kBoards) {
        SCOPED_TRACE(Title(b));
        std::vector<std::uint8_t> want(404, 0);
        want[0] = static_cast<std::uint8_t>(BoardNumber(b.id));
        want[4] = 0x94; // 404, little-endian
        want[5] = 0x01;
        std::memcpy(want.data() + 8, b.name, std::strlen(b.name));
        for (const std::size_t option : b.options) {
            want[option] = option == b.hps ? 0 : 1;
        }
        EXPECT_EQ(Defaults(b), want);
    }
}

// Both headers offer the 40-pin cards of the catalogue, None first.
TEST(UlvaneVessorRules, CardListsOfBothHeaders) {
    const std::vector<std::uint8_t> want = {0, 1, 12, 13, 55, 62, 63, 66, 67, 74, 81, 82, 83};
    for (const Layout& b : kBoards) {
        SCOPED_TRACE(Title(b));
        const std::vector<std::uint8_t> record = Defaults(b);
        const std::vector<BoardCardPort> ports = EffectivePorts(Def(b), record);
        ASSERT_EQ(ports.size(), 2u);
        for (const BoardCardPort& port : ports) {
            EXPECT_EQ(PortCardList(port), want) << port.name;
        }
        EXPECT_EQ(std::string(ports[0].name), "GPIO-0");
        EXPECT_EQ(std::string(ports[1].name), "GPIO-1");
    }
}

// A settings file loads only when it is a record of this board: the 404
// bytes of the other board are refused although their size is the same.
TEST(UlvaneVessorRules, LoadsOnlyItsOwnRecords) {
    TempDir dir;
    for (const Layout& b : kBoards) {
        SCOPED_TRACE(Title(b));
        const Layout& other = &b == &kBoards[0] ? kBoards[1] : kBoards[0];
        std::vector<std::uint8_t> own = WithCards(b, 12, "CAM_", 0, "");
        own[2] = 0x5A; // padding is kept as read
        std::vector<std::uint8_t> sizeField = own;
        sizeField[4] = 0x98; // 408
        struct Case {
            const char* what;
            std::vector<std::uint8_t> bytes;
            bool loads;
        };
        const Case cases[] = {
            {"its own record", own, true},
            {"the other board's record", Defaults(other), false},
            {"its own record with a wrong size field", sizeField, false},
            {"one byte short", std::vector<std::uint8_t>(own.begin(), own.end() - 1), false},
            {"one byte long",
             [&] {
                 auto v = own;
                 v.push_back(0);
                 return v;
             }(),
             false},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.what);
            const std::string bytes(c.bytes.begin(), c.bytes.end());
            ASSERT_TRUE(platform::WriteWholeFile(dir.File("x.cfg"), bytes).Complete(bytes.size()));
            std::vector<std::uint8_t> record = Defaults(b);
            EXPECT_EQ(LoadBoardRecord(Def(b), dir.File("x.cfg"), record), c.loads);
            EXPECT_EQ(record, c.loads ? c.bytes : Defaults(b));
        }
    }
}

TEST(UlvaneVessorRules, MendingALoadedRecord) {
    for (const Layout& b : kBoards) {
        SCOPED_TRACE(Title(b));
        struct Case {
            const char* what;
            std::uint8_t card0, card1;
            std::uint8_t want0, want1;
            const char *wantPrefix0, *wantPrefix1;
        };
        const Case cases[] = {
            {"listed cards keep their prefixes", 13, 83, 13, 83, "P0_", "P1_"},
            {"the 80-pin card is not offered", 11, 11, 0, 0, "", ""},
            {"an HSMC card and an unknown id", 2, 200, 0, 0, "", ""},
            {"a card without a map", 75, 1, 0, 1, "", "P1_"},
            {"None keeps its prefix text", 0, 0, 0, 0, "P0_", "P1_"},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.what);
            std::vector<std::uint8_t> record = WithCards(b, c.card0, "P0_", c.card1, "P1_");
            MendRecord(Def(b), record);
            EXPECT_EQ(record[b.card0], c.want0);
            EXPECT_EQ(record[b.card1], c.want1);
            EXPECT_EQ(Text(record, b.prefix0), c.wantPrefix0);
            EXPECT_EQ(Text(record, b.prefix1), c.wantPrefix1);
        }

        // Option bytes become 0 or 1, a text without its NUL is cut to 127
        // characters, the bytes after a NUL are cleared, padding is kept.
        std::vector<std::uint8_t> record = Defaults(b);
        record[b.options[0]] = 7;
        record[b.hps] = 0xFF;
        std::memset(record.data() + 8, 'n', 128);
        record[b.card0] = 1;
        std::memcpy(record.data() + b.prefix0, "AB\0junk", 7);
        record[403] = 0x66;
        MendRecord(Def(b), record);
        EXPECT_EQ(record[b.options[0]], 1);
        EXPECT_EQ(record[b.hps], 1);
        EXPECT_EQ(Text(record, 8), std::string(127, 'n'));
        EXPECT_EQ(Text(record, b.prefix0), "AB");
        EXPECT_EQ(record[b.prefix0 + 4], 0);
        EXPECT_EQ(record[403], 0x66);
    }
}

// Only card 1 on both headers without prefixes escapes the prefix rule
// (and takes the bus names GPIO_0 and GPIO_1); the GPIO Default cards of
// other voltages follow the rule like any card.
TEST(UlvaneVessorRules, SettingsChecks) {
    for (const Layout& b : kBoards) {
        SCOPED_TRACE(Title(b));
        struct Case {
            std::uint8_t card0;
            const char* prefix0;
            std::uint8_t card1;
            const char* prefix1;
            bool bothDefault;
            std::string message; // empty: passes
        };
        const Case cases[] = {
            {1, "", 1, "", true, ""},
            {81, "", 81, "", false, kClash},
            {83, "", 83, "", false, kClash},
            {1, "A_", 1, "A_", false, kClash},
            {12, "", 12, "", false, kClash},
            {1, "A_", 1, "", false, ""},
            {81, "A_", 81, "B_", false, ""},
            {1, "", 81, "", false, ""},
            {12, "X_", 13, "X_", false, ""},
            {0, "", 0, "", false, ""},
            {1, "a b", 0, "", false,
             "Prefix Name of GPIO-0 must begin with a letter (A-Z or a-z) and hold only letters, "
             "digits and underscores."},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(std::to_string(c.card0) + "/" + c.prefix0 + " " + std::to_string(c.card1) +
                         "/" + c.prefix1);
            const std::vector<std::uint8_t> record =
                WithCards(b, c.card0, c.prefix0, c.card1, c.prefix1);
            EXPECT_EQ(BothHeadersDefault(Def(b), record), c.bothDefault);
            std::string message;
            EXPECT_EQ(CheckRecord(Def(b), record, message), c.message.empty());
            EXPECT_EQ(message, c.message);
        }
        std::vector<std::uint8_t> unnamed = Defaults(b);
        SetText(unnamed, 8, "");
        std::string message;
        EXPECT_FALSE(CheckRecord(Def(b), unnamed, message));
        EXPECT_EQ(message, "Project Name cannot be empty.");
    }
}

namespace {

// The active pins of a built model, per connector: "name first..last (n)".
std::vector<std::string> HeaderSummary(const TMainBoard& board) {
    std::vector<std::string> lines;
    for (int i = 0; i < board.GetConnectorCount(); ++i) {
        const TConnector& c = *board.GetConnector(i);
        if (!c.GetIsExpansion()) {
            continue;
        }
        std::string first, last;
        int n = 0;
        for (int j = 0; j < c.GetPinCount(); ++j) {
            const TPin* pin = c.GetPin(j);
            if (!pin || !pin->IsActive()) {
                continue;
            }
            EXPECT_NE(pin->GetDirection(), PIN_DIR_FROM_CARD);
            if (n++ == 0) {
                first = pin->GetName();
            }
            last = pin->GetName();
        }
        lines.push_back(c.GetName() + " " + first + ".." + last + " (" + std::to_string(n) + ")");
    }
    return lines;
}

} // namespace

TEST(UlvaneVessorRules, CardsOnTheHeaders) {
    for (const Layout& b : kBoards) {
        SCOPED_TRACE(Title(b));
        struct Case {
            const char* what;
            std::uint8_t card0;
            const char* prefix0;
            std::uint8_t card1;
            const char* prefix1;
            std::vector<std::string> headers;
        };
        const Case cases[] = {
            {"GPIO Default on both without prefixes takes bus names",
             1,
             "",
             1,
             "",
             {"GPIO_0 GPIO_0[0]..GPIO_0[35] (36)", "GPIO_1 GPIO_1[0]..GPIO_1[35] (36)"}},
            {"one prefix: no bus names",
             1,
             "",
             1,
             "X_",
             {"GPIO_0 GPIO[0]..GPIO[35] (36)", "GPIO_1 X_GPIO[0]..X_GPIO[35] (36)"}},
            {"GPIO Default 2.5 V on both with prefixes",
             81,
             "A_",
             81,
             "B_",
             {"GPIO_0 A_GPIO[0]..A_GPIO[35] (36)", "GPIO_1 B_GPIO[0]..B_GPIO[35] (36)"}},
            {"a card on GPIO-1 only", 0, "", 1, "P_", {"GPIO_1 P_GPIO[0]..P_GPIO[35] (36)"}},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.what);
            const auto board =
                BuildBoardModel(Def(b), WithCards(b, c.card0, c.prefix0, c.card1, c.prefix1));
            EXPECT_EQ(HeaderSummary(*board), c.headers);
        }
    }
}

// GPIO Default and GPIO Default 2.5 V without prefixes pass the settings
// checks (two different cards) but name the same signals GPIO[0..35]: the
// project writer refuses them with its duplicate-signal box, writing
// nothing.
TEST(UlvaneVessorRules, SameSignalsFromBothHeadersAreRefused) {
    for (const Layout& b : kBoards) {
        SCOPED_TRACE(Title(b));
        const std::vector<std::uint8_t> record = WithCards(b, 1, "", 81, "");
        std::string message;
        ASSERT_TRUE(CheckRecord(Def(b), record, message)) << message;
        platform::ScriptedUi ui;
        TempDir dir;
        const auto board = BuildBoardModel(Def(b), record);
        TPinsmith pinsmith;
        EXPECT_FALSE(pinsmith.Generate(board.get(), dir.File("clash.qpf"), false));
        ASSERT_EQ(ui.Boxes().size(), 1u);
        EXPECT_EQ(ui.Boxes()[0].kind, platform::MsgKind::Error);
        EXPECT_EQ(ui.Boxes()[0].text, "Signal GPIO[0] is used by both GPIO_0 and GPIO_1. Please "
                                      "use different prefix names.");
        EXPECT_FALSE(platform::FileExists(dir.File("clash.qsf")));
    }
}
