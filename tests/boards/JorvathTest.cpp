// The Jorvath board (board id 11): its record (the 32-bit Kirrel 1 card id
// included), its pin filler against a dump fixture written from the board's
// documentation, the connectors each choice makes, the pin order after the
// sort, the memory module, the Kirrel list and the board's Kirrel rule.

#include "boards/BoardDump.h"
#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/cyclone3/JorvathConfig.h"
#include "boards/cyclone3/JorvathId.h"
#include "platform/Files.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

using Record = std::vector<std::uint8_t>;
using namespace jorvath;

const BoardDef& Def() {
    return *FindBoard(MAINBOARD_JORVATH);
}

constexpr std::size_t kCard23 = offsetof(JORVATH_CONFIG, nKirrel23DaughterId);
constexpr std::size_t kPrefix23 = offsetof(JORVATH_CONFIG, szKirrel23PrefixName);
constexpr std::size_t kCard1 = offsetof(JORVATH_CONFIG, nKirrel1DaughterId);
constexpr std::size_t kPrefix1 = offsetof(JORVATH_CONFIG, szKirrel1PrefixName);

void SetI32(Record& record, std::size_t offset, std::int32_t value) {
    std::memcpy(record.data() + offset, &value, sizeof value);
}
std::int32_t GetI32(const Record& record, std::size_t offset) {
    std::int32_t value = 0;
    std::memcpy(&value, record.data() + offset, sizeof value);
    return value;
}

Record Defaults() {
    Record record(Def().record.size, 0xA5);
    SetDefaultRecord(Def(), record);
    return record;
}
// The record as the form writes it before a save or a generation.
Record Written() {
    Record record = Defaults();
    record[0] = 11;
    SetI32(record, 4, 404);
    return record;
}
Record AllTicked() {
    Record record = Written();
    for (const std::size_t offset : Def().peripherals) {
        record[offset] = 1;
    }
    return record;
}

const TConnector* FindConnector(const TMainBoard& board, const std::string& name) {
    for (int i = 0; i < board.GetConnectorCount(); ++i) {
        if (board.GetConnector(i)->GetName() == name) {
            return board.GetConnector(i);
        }
    }
    return nullptr;
}

std::vector<std::string> Names(const TMainBoard& board) {
    std::vector<std::string> names;
    for (int i = 0; i < board.GetConnectorCount(); ++i) {
        names.push_back(board.GetConnector(i)->GetName());
    }
    return names;
}

int ActivePins(const TMainBoard& board) {
    int n = 0;
    for (int i = 0; i < board.GetConnectorCount(); ++i) {
        n += board.GetConnector(i)->GetActivePinCount();
    }
    return n;
}

} // namespace

// The defaults keep board id and size 0 (the form writes them); a file
// comes back byte for byte with its 32-bit card id; files of another board
// or size are refused.
TEST(Jorvath, RecordDefaultsAndFiles) {
    Record expected(404, 0);
    const std::string name = "JORVATH";
    std::copy(name.begin(), name.end(), expected.begin() + 8);
    expected[136] = expected[137] = expected[138] = 1;
    EXPECT_EQ(Defaults(), expected);
    EXPECT_EQ(std::string(Def().folderWord), "JORVATH");

    TempDir dir;
    const auto write = [&](const std::string& file, const Record& bytes) {
        ASSERT_TRUE(
            platform::WriteWholeFile(dir.File(file), std::string(bytes.begin(), bytes.end()))
                .Complete(bytes.size()));
    };
    Record own = AllTicked();
    own[kCard23] = 6;
    SetI32(own, kCard1, 15);
    SetRecordFieldText(own, kPrefix1, "K1_");
    own[271] = 0x33;
    write("own.cfg", own);
    Record read(404, 0);
    ASSERT_TRUE(LoadBoardRecord(Def(), dir.File("own.cfg"), read));
    EXPECT_EQ(read, own);
    MendRecord(Def(), read);
    EXPECT_EQ(read, own);
    EXPECT_EQ(GetI32(read, kCard1), 15);
    for (const auto& [byte, value] : {std::pair{0, 10}, std::pair{4, 408}}) {
        Record foreign = own;
        byte == 0 ? (void)(foreign[0] = static_cast<std::uint8_t>(value))
                  : SetI32(foreign, 4, value);
        write("foreign.cfg", foreign);
        EXPECT_FALSE(LoadBoardRecord(Def(), dir.File("foreign.cfg"), read)) << value;
    }
}

// The card list of both connectors, and what mending makes of a card id
// the list lacks: None with an empty prefix, the whole 32 bits read.
TEST(Jorvath, KirrelListAndUnlistedCards) {
    const std::vector<std::uint8_t> list = {0, 6, 7, 8, 15, 20};
    ASSERT_EQ(Def().ports.size(), 2u);
    EXPECT_EQ(PortCardList(Def().ports[KIRREL23]), list);
    EXPECT_EQ(PortCardList(Def().ports[KIRREL1]), list);
    EXPECT_EQ(Def().ports[KIRREL23].cardOffset, kCard23);
    EXPECT_EQ(Def().ports[KIRREL1].cardOffset, kCard1);

    for (const std::int32_t card : {5, 9, 0x106, -1, 0x7fffffff, 256 * 15}) {
        Record record = Written();
        SetI32(record, kCard1, card);
        SetRecordFieldText(record, kPrefix1, "P_");
        MendRecord(Def(), record);
        EXPECT_EQ(GetI32(record, kCard1), 0) << card;
        EXPECT_EQ(RecordFieldText(record, kPrefix1), "") << card;
    }
    Record record = Written();
    record[kCard23] = 5;
    SetRecordFieldText(record, kPrefix23, "P_");
    MendRecord(Def(), record);
    EXPECT_EQ(record[kCard23], 0);
    EXPECT_EQ(RecordFieldText(record, kPrefix23), "");
}

TEST(Jorvath, FillerMatchesItsFixture) {
    Record record = AllTicked();
    record[kCard23] = 6;
    SetI32(record, kCard1, 15);
    TMainBoard board;
    FillBoard(Def(), board, record);
    boardtest::ExpectFixture(board, "jorvath_all_cards");
}

// Each connector exists by its own choice; the PCI box changes nothing.
TEST(Jorvath, ConnectorsByChoice) {
    struct Case {
        const char* name;
        std::vector<std::size_t> ticked;
        std::uint8_t card23;
        std::int32_t card1;
        std::vector<std::string> connectors;
        int pins; // active entries (placeholders included)
    };
    const std::size_t osc = 136, led = 137, button = 138, gpio = 139, ddr2 = 140, pci = 141;
    const std::vector<Case> cases = {
        {"defaults", {osc, led, button}, 0, 0, {"CLOCK", "LED", "BUTTON"}, 7},
        {"every box",
         {osc, led, button, gpio, pci},
         0,
         0,
         {"CLOCK", "LED", "BUTTON", "GPIO Header"},
         17},
        {"PCI only", {pci}, 0, 0, {}, 0},
        {"DDR2 only", {ddr2}, 0, 0, {"DDR2"}, 112},
        {"Kirrel 1 only", {}, 0, 15, {"KIRREL_1"}, 132},
        {"Kirrel 2/3 only", {}, 20, 0, {"KIRREL_23"}, 132},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Record record = Written();
        for (const std::size_t offset : Def().peripherals) {
            record[offset] = 0;
        }
        for (const std::size_t offset : c.ticked) {
            record[offset] = 1;
        }
        record[kCard23] = c.card23;
        SetI32(record, kCard1, c.card1);
        TMainBoard board;
        FillBoard(Def(), board, record);
        EXPECT_EQ(Names(board), c.connectors);
        EXPECT_EQ(ActivePins(board), c.pins);
        EXPECT_EQ(board.GetPinCount(), -1);
    }
}

// The generation sorts the board's pins once, before module and cards; the
// connectors keep their positions: Kirrel 1 position 45 is still P28 and
// the module's DQ bit 4 (socket position 4) still B7.
TEST(Jorvath, SortedBoardKeepsThePositions) {
    Record record = AllTicked();
    record[kCard23] = 6;
    SetI32(record, kCard1, 15);
    const auto board = BuildBoardModel(Def(), record);
    const TPin* p28 = board->GetExpansionConnector(CONNECTOR_ID_KIRREL_1)->GetPin(44);
    ASSERT_NE(p28, nullptr);
    EXPECT_EQ(p28->GetLocation(), "P28");
    EXPECT_NE(p28->GetDirection(), PIN_DIR_NONE);
    EXPECT_FALSE(p28->GetName().empty());
    const TConnector* ddr2 = FindConnector(*board, "DDR2");
    ASSERT_NE(ddr2, nullptr);
    const TPin* dq = ddr2->GetPin(3);
    ASSERT_NE(dq, nullptr);
    EXPECT_EQ(dq->GetLocation(), "B7");
    EXPECT_EQ(dq->GetName(), "mem_dq[4]");
    // Every module pin carries the module's prefix.
    for (int j = 0; j < ddr2->GetPinCount(); ++j) {
        const TPin* pin = ddr2->GetPin(j);
        if (pin && pin->GetDirection() != PIN_DIR_NONE) {
            EXPECT_EQ(pin->GetName().rfind("mem_", 0), 0u) << pin->GetName();
        }
    }
    // Card 6 on the pair lands through the HSMC-to-Kirrel map at 2.5 V.
    const TConnector* pair = board->GetExpansionConnector(CONNECTOR_ID_KIRREL_23);
    int pairPins = 0;
    for (int j = 0; j < pair->GetPinCount(); ++j) {
        const TPin* pin = pair->GetPin(j);
        if (pin && pin->GetDirection() != PIN_DIR_NONE) {
            ++pairPins;
            EXPECT_FALSE(pin->GetName().empty());
        }
    }
    EXPECT_GT(pairPins, 0);
}

// The board's rule: the same card on both connectors needs two different
// prefixes; its message wins over the project-name message.
TEST(Jorvath, KirrelRule) {
    const std::string kirrel = "KIRREL23 and KIRREL1 cannot have the same prefix name when both "
                               "connect to the same type of daughter boards.";
    struct Case {
        const char* project;
        std::uint8_t card23;
        std::int32_t card1;
        const char* prefix23;
        const char* prefix1;
        const char* message; // nullptr: passes
    };
    const std::string empty = "Project Name cannot be empty.";
    const Case cases[] = {
        {"P", 6, 6, "", "", kirrel.c_str()}, {"P", 15, 15, "A_", "A_", kirrel.c_str()},
        {"P", 6, 6, "A_", "B_", nullptr},    {"P", 6, 7, "A_", "A_", nullptr},
        {"P", 0, 0, "", "", nullptr},        {"", 6, 6, "", "", kirrel.c_str()},
        {"", 6, 7, "", "", empty.c_str()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.project) + " " + std::to_string(c.card23) + " " +
                     std::to_string(c.card1) + " " + c.prefix23 + " " + c.prefix1);
        Record record = Written();
        SetRecordFieldText(record, 8, c.project);
        record[kCard23] = c.card23;
        SetI32(record, kCard1, c.card1);
        SetRecordFieldText(record, kPrefix23, c.prefix23);
        SetRecordFieldText(record, kPrefix1, c.prefix1);
        std::string message;
        EXPECT_EQ(CheckRecord(Def(), record, message), c.message == nullptr);
        if (c.message) {
            EXPECT_EQ(message, c.message);
        }
    }
    // The prefixes are checked under the ports' names.
    Record record = Written();
    record[kCard23] = 6;
    SetRecordFieldText(record, kPrefix23, "2x");
    std::string message;
    EXPECT_FALSE(CheckRecord(Def(), record, message));
    EXPECT_NE(message.find("Prefix Name of KIRREL23 "), std::string::npos) << message;
}
