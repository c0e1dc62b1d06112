// The form rules of the GPIO boards in one table (Sollen 21, Tavrin 22,
// Wendal 25): defaults byte for byte, a card the list lacks, a settings file
// of another board, the header pair, the both-default set, the prefix rule
// and the duplicate-signal refusal.

#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/cyclone5/SollenId.h"
#include "boards/cyclone5/TavrinId.h"
#include "boards/cyclone5/WendalId.h"
#include "generator/Pinsmith.h"
#include "platform/Files.h"
#include "platform/ScriptedUi.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

struct BoardRow {
    BoardId id;
    std::size_t size;
    const char* name;        // default project name
    std::size_t firstOption; // option bytes firstOption.. are 1 ...
    std::size_t offOption;   // ... except this one (0: none)
    std::size_t lastOption;  // inclusive
    std::uint8_t unlisted;   // a card its list lacks
    BoardId sameSize;        // another board with a record of this size
    bool twoHeaders;
};

const BoardRow kBoards[] = {
    {MAINBOARD_SOLLEN, 408, "SOLLEN", 136, 148, 148, 81, MAINBOARD_TAVRIN, true},
    {MAINBOARD_TAVRIN, 408, "TAVRIN", 136, 149, 149, 11, MAINBOARD_SOLLEN, false},
    {MAINBOARD_WENDAL, 404, "WENDAL", 136, 0, 144, 81, MAINBOARD_NONE, true},
};

const char* const kClash = "GPIO-0 and GPIO-1 cannot have the same prefix name when both "
                           "connect to the same type of daughter boards.";

std::vector<std::uint8_t> Defaults(const BoardDef& def) {
    std::vector<std::uint8_t> record(def.record.size);
    SetDefaultRecord(def, record);
    return record;
}

std::vector<std::uint8_t> WithCards(const BoardDef& def, std::uint8_t card0, const char* prefix0,
                                    std::uint8_t card1, const char* prefix1) {
    std::vector<std::uint8_t> record = Defaults(def);
    record[def.ports[0].cardOffset] = card0;
    SetRecordFieldText(record, def.ports[0].prefixOffset, prefix0);
    record[def.ports[1].cardOffset] = card1;
    SetRecordFieldText(record, def.ports[1].prefixOffset, prefix1);
    return record;
}

std::string Cards(const BoardDef& def, const std::vector<std::uint8_t>& record) {
    std::string text;
    for (const BoardCardPort& port : def.ports) {
        text += std::to_string(record[port.cardOffset]) + ":" +
                RecordFieldText(record, port.prefixOffset) + " ";
    }
    return text;
}

} // namespace

TEST(GpioBoardRules, DefaultsByteForByte) {
    for (const BoardRow& row : kBoards) {
        SCOPED_TRACE(row.name);
        std::vector<std::uint8_t> want(row.size, 0);
        want[0] = static_cast<std::uint8_t>(row.id);
        want[4] = static_cast<std::uint8_t>(row.size & 0xFF);
        want[5] = static_cast<std::uint8_t>(row.size >> 8);
        std::memcpy(want.data() + 8, row.name, std::strlen(row.name));
        for (std::size_t i = row.firstOption; i <= row.lastOption; ++i) {
            want[i] = i == row.offOption ? 0 : 1;
        }
        EXPECT_EQ(Defaults(*FindBoard(row.id)), want);
    }
}

TEST(GpioBoardRules, UnlistedCardBecomesNoneAndForeignFilesAreRefused) {
    TempDir dir;
    for (const BoardRow& row : kBoards) {
        SCOPED_TRACE(row.name);
        const BoardDef& def = *FindBoard(row.id);
        std::vector<std::uint8_t> record = Defaults(def);
        record[def.ports[0].cardOffset] = row.unlisted;
        SetRecordFieldText(record, def.ports[0].prefixOffset, "KEPT_");
        MendRecord(def, record);
        EXPECT_EQ(record[def.ports[0].cardOffset], 0);
        EXPECT_EQ(RecordFieldText(record, def.ports[0].prefixOffset), "");

        // Its own file loads; another board's record of the same size does not.
        const std::string own(reinterpret_cast<const char*>(record.data()), record.size());
        ASSERT_TRUE(platform::WriteWholeFile(dir.File("own.cfg"), own).Complete(own.size()));
        std::vector<std::uint8_t> loaded(def.record.size);
        EXPECT_TRUE(LoadBoardRecord(def, dir.File("own.cfg"), loaded));
        EXPECT_EQ(loaded, record);
        if (row.sameSize != MAINBOARD_NONE) {
            const std::vector<std::uint8_t> other = Defaults(*FindBoard(row.sameSize));
            ASSERT_EQ(other.size(), record.size());
            const std::string bytes(reinterpret_cast<const char*>(other.data()), other.size());
            ASSERT_TRUE(
                platform::WriteWholeFile(dir.File("other.cfg"), bytes).Complete(bytes.size()));
            EXPECT_FALSE(LoadBoardRecord(def, dir.File("other.cfg"), loaded));
            EXPECT_EQ(loaded, record);
        }
    }
}

TEST(GpioBoardRules, PairBothDefaultAndPrefixRule) {
    struct Case {
        std::uint8_t card0;
        const char* prefix0;
        std::uint8_t card1;
        const char* prefix1;
        const char* mended;  // cards and prefixes after mending
        const char* message; // "" passes the checks
    };
    const Case cases[] = {
        {11, "ADC_", 0, "", "11:ADC_ 11:ADC_ ", ""}, // the 80-pin card takes both
        {0, "", 11, "B_", "0: 0: ", ""},             // ... and is dropped from GPIO-1 alone
        {1, "", 1, "", "1: 1: ", ""},                // both default: no prefix rule
        {1, "X_", 1, "X_", "1:X_ 1:X_ ", kClash},
        {1, "", 1, "X_", "1: 1:X_ ", ""},
        {12, "", 12, "", "12: 12: ", kClash},
        {12, "", 13, "", "12: 13: ", ""},
    };
    for (const BoardRow& row : kBoards) {
        if (!row.twoHeaders) {
            continue;
        }
        const BoardDef& def = *FindBoard(row.id);
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(row.name) + " " + std::to_string(c.card0) + c.prefix0 + "/" +
                         std::to_string(c.card1) + c.prefix1);
            std::vector<std::uint8_t> record =
                WithCards(def, c.card0, c.prefix0, c.card1, c.prefix1);
            MendRecord(def, record);
            EXPECT_EQ(Cards(def, record), c.mended);
            std::string message;
            EXPECT_EQ(CheckRecord(def, record, message), *c.message == '\0');
            EXPECT_EQ(message, c.message);
        }
        // Both default: the headers take the bus names.
        const std::vector<std::uint8_t> both = WithCards(def, 1, "", 1, "");
        const auto board = BuildBoardModel(def, both);
        const TConnector* gpio0 = board->GetExpansionConnector(CONNECTOR_ID_GPIO_0);
        const TConnector* gpio1 = board->GetExpansionConnector(CONNECTOR_ID_GPIO_1);
        ASSERT_TRUE(gpio0 && gpio1);
        EXPECT_EQ(gpio0->GetPin(0)->GetName(), "GPIO_0[0]");
        EXPECT_EQ(gpio1->GetPin(39)->GetName(), "GPIO_1[35]");
    }
    // One header: the prefix rule never reports.
    const BoardDef& tavrin = *FindBoard(MAINBOARD_TAVRIN);
    std::string message;
    EXPECT_TRUE(CheckRecord(tavrin, Defaults(tavrin), message)) << message;
}

TEST(GpioBoardRules, OneSignalFromBothHeadersIsRefused) {
    for (const BoardRow& row : kBoards) {
        if (!row.twoHeaders) {
            continue;
        }
        SCOPED_TRACE(row.name);
        const BoardDef& def = *FindBoard(row.id);
        const std::vector<std::uint8_t> record = WithCards(def, 55, "", 63, "");
        std::string message;
        ASSERT_TRUE(CheckRecord(def, record, message)) << message;
        TempDir dir;
        platform::ScriptedUi ui;
        const auto board = BuildBoardModel(def, record);
        TPinsmith pinsmith;
        EXPECT_FALSE(pinsmith.Generate(board.get(), dir.File("P.qpf"), false));
        ASSERT_EQ(ui.Boxes().size(), 1u);
        EXPECT_EQ(ui.Boxes()[0].text, "Signal WISTEL_DCLK is used by both GPIO_0 and GPIO_1. "
                                      "Please use different prefix names.");
        EXPECT_FALSE(platform::FileExists(dir.File("P.qsf")));
    }
}

// The pairing rule both pairing forms and the mending apply: an 80-pin card
// (Ostel, 11) takes the other header; leaving it frees the other header and
// clears the 80-pin card it still showed; 40-pin cards (GPIO Default, 1;
// Fyrn, 12) leave the other header alone.
TEST(GpioBoardRules, PairingOfTheHeaders) {
    const CardId ostel = MakeCardId(11);
    const CardId gpioDefault = MakeCardId(1);
    const CardId fyrn = MakeCardId(12);
    ASSERT_TRUE(IsEightyPinCard(ostel));
    ASSERT_FALSE(IsEightyPinCard(gpioDefault) || IsEightyPinCard(CARD_NONE));
    struct Case {
        CardId source;
        CardId other;
        PairedHeader expected;
    };
    const Case cases[] = {
        {ostel, CARD_NONE, PairedHeader::Follow},
        {ostel, fyrn, PairedHeader::Follow},
        {ostel, ostel, PairedHeader::Follow},
        {CARD_NONE, ostel, PairedHeader::FreeAndCleared},
        {gpioDefault, ostel, PairedHeader::FreeAndCleared},
        {gpioDefault, fyrn, PairedHeader::Free},
        {CARD_NONE, CARD_NONE, PairedHeader::Free},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PairHeaders(c.source, c.other), c.expected)
            << CardNumber(c.source) << " " << CardNumber(c.other);
    }
}
