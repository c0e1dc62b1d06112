// The pin fillers of the Ulvane and Vessor boards, run through their board
// definitions: the whole pin model with every option on and a card on each
// header against a dump fixture written from the boards' documentation
// (tests/boards/fixtures/<board>_pins.txt), and what each option and header
// adds on its own.

#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/cyclone5/CONFIG_ULVANE.h"
#include "boards/cyclone5/CONFIG_VESSOR.h"
#include "boards/cyclone5/UlvaneId.h"
#include "boards/cyclone5/VessorId.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

struct BoardCase {
    BoardId id;
    const char* fixture;
    // Peripheral byte (in the definition's order) -> the group it adds.
    std::vector<std::string> groups;
};

const BoardCase kBoards[] = {
    {MAINBOARD_ULVANE, "ulvane_pins", {"CLOCK", "LED", "KEY", "SW", "ADC", "HPS", "ARDUINO"}},
    {MAINBOARD_VESSOR,
     "vessor_pins",
     {"CLOCK", "LED", "KEY", "SW", "ADC", "HPS", "ARDUINO", "HDMI"}},
};

std::string Name(const BoardCase& c) {
    return FindBoard(c.id)->title;
}

// A record of the board: its defaults, every option as asked, two cards.
std::vector<std::uint8_t> Record(const BoardDef& def, bool options, std::uint8_t card0,
                                 std::uint8_t card1) {
    std::vector<std::uint8_t> record(def.record.size);
    SetDefaultRecord(def, record);
    for (const std::size_t offset : def.peripherals) {
        record[offset] = options ? 1 : 0;
    }
    record[def.ports[0].cardOffset] = card0;
    record[def.ports[1].cardOffset] = card1;
    return record;
}

const char* DirectionWord(PinDirection direction) {
    switch (direction) {
    case PIN_DIR_INOUT:
        return "inout";
    case PIN_DIR_INPUT:
        return "in";
    case PIN_DIR_OUTPUT:
        return "out";
    case PIN_DIR_FROM_CARD:
        return "card";
    default:
        return "?";
    }
}

// The pin model in the fixtures' notation.
std::vector<std::string> Dump(const TMainBoard& board) {
    std::vector<std::string> lines = {
        "board\t" + board.GetFamily() + "\t" + board.GetDevice() + "\t" + board.GetPackage() +
        "\t" + std::to_string(board.GetPinCount()) + "\t" + board.GetSpeedGradeText()};
    for (int i = 0; i < board.GetConnectorCount(); ++i) {
        const TConnector& c = *board.GetConnector(i);
        lines.push_back("connector\t" + c.GetName() + "\t" + c.GetDescription() + "\t" +
                        std::to_string(static_cast<int>(c.GetType())) + "\t" +
                        std::to_string(c.GetCardId()) + "\t" + (c.GetIsExpansion() ? "1" : "0") +
                        "\t" + std::to_string(static_cast<int>(c.GetConnectorId())));
        for (int j = 0; j < c.GetPinCount(); ++j) {
            std::string line = std::to_string(j + 1);
            if (const TPin* p = c.GetPin(j)) {
                line += "\t" + p->GetName() + "\t" +
                        (p->GetLocation().empty() ? "~" : p->GetLocation()) + "\t" +
                        DirectionWord(p->GetDirection()) + "\t" +
                        std::to_string(static_cast<int>(p->GetIoStandard()));
                if (p->IsClockPin()) {
                    line += "\tclock\t" + p->GetFrequency();
                }
                if (p->GetPeriodNs() != 0) {
                    line += "\tperiod " + std::to_string(p->GetPeriodNs());
                }
            }
            lines.push_back(line);
        }
    }
    return lines;
}

std::vector<std::string> ReadFixture(const std::string& name) {
    std::ifstream in(std::string(PINSMITH_TEST_DATA_DIR) + "/boards/fixtures/" + name + ".txt");
    EXPECT_TRUE(in.is_open()) << name;
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!line.empty() && line[0] != '#') {
            lines.push_back(line);
        }
    }
    return lines;
}

std::unique_ptr<TMainBoard> Fill(const BoardDef& def, const std::vector<std::uint8_t>& record) {
    auto board = std::make_unique<TMainBoard>();
    FillBoard(def, *board, record);
    return board;
}

std::vector<std::string> ConnectorNames(const TMainBoard& board) {
    std::vector<std::string> names;
    for (int i = 0; i < board.GetConnectorCount(); ++i) {
        names.push_back(board.GetConnector(i)->GetName());
    }
    return names;
}

} // namespace

TEST(UlvaneVessorPins, EverythingOnMatchesTheFixture) {
    for (const BoardCase& c : kBoards) {
        SCOPED_TRACE(Name(c));
        const BoardDef& def = *FindBoard(c.id);
        const auto board = Fill(def, Record(def, true, 1, 12));
        EXPECT_EQ(board->GetBoardId(), BoardNumber(c.id));
        EXPECT_EQ(board->GetSpeedGrade(), 0);
        const std::vector<std::string> got = Dump(*board);
        const std::vector<std::string> want = ReadFixture(c.fixture);
        ASSERT_FALSE(want.empty());
        for (std::size_t i = 0; i < std::max(got.size(), want.size()); ++i) {
            ASSERT_EQ(i < got.size() ? got[i] : "(none)", i < want.size() ? want[i] : "(none)")
                << "line " << i + 1;
        }
    }
}

// No FPGA pin serves two signals, whatever the record selects.
TEST(UlvaneVessorPins, NoLocationTwice) {
    for (const BoardCase& c : kBoards) {
        SCOPED_TRACE(Name(c));
        const BoardDef& def = *FindBoard(c.id);
        const auto board = Fill(def, Record(def, true, 1, 1));
        std::set<std::string> seen;
        for (int i = 0; i < board->GetConnectorCount(); ++i) {
            const TConnector& connector = *board->GetConnector(i);
            for (int j = 0; j < connector.GetPinCount(); ++j) {
                const TPin* pin = connector.GetPin(j);
                if (pin && !pin->GetLocation().empty()) {
                    EXPECT_TRUE(seen.insert(pin->GetLocation()).second)
                        << pin->GetLocation() << " on " << connector.GetName();
                }
            }
        }
    }
}

// Each option adds its one group; the device data are set without any.
TEST(UlvaneVessorPins, EachOptionAddsItsGroup) {
    for (const BoardCase& c : kBoards) {
        SCOPED_TRACE(Name(c));
        const BoardDef& def = *FindBoard(c.id);
        ASSERT_EQ(def.peripherals.size(), c.groups.size());

        const auto nothing = Fill(def, Record(def, false, 0, 0));
        EXPECT_EQ(nothing->GetConnectorCount(), 0);
        EXPECT_EQ(nothing->GetFamily(), "Cyclone V");
        EXPECT_EQ(nothing->GetPinCount(), 672);

        for (std::size_t i = 0; i < def.peripherals.size(); ++i) {
            std::vector<std::uint8_t> record = Record(def, false, 0, 0);
            record[def.peripherals[i]] = 1;
            EXPECT_EQ(ConnectorNames(*Fill(def, record)), std::vector<std::string>{c.groups[i]});
        }
    }
}

// A header without a card has no connector; one with a card has its own id.
TEST(UlvaneVessorPins, HeadersOnlyWithACard) {
    for (const BoardCase& c : kBoards) {
        SCOPED_TRACE(Name(c));
        const BoardDef& def = *FindBoard(c.id);
        const auto board = Fill(def, Record(def, false, 0, 13));
        ASSERT_EQ(board->GetConnectorCount(), 1);
        const TConnector& header = *board->GetConnector(0);
        EXPECT_EQ(header.GetName(), "GPIO_1");
        EXPECT_EQ(header.GetConnectorId(), CONNECTOR_ID_GPIO_1);
        EXPECT_EQ(header.GetDescription(), "GPIO connect to " + BoardName(CARD_TAMBRY));
        EXPECT_EQ(board->GetExpansionConnector(CONNECTOR_ID_GPIO_0), nullptr);
        EXPECT_EQ(board->GetExpansionConnector(CONNECTOR_ID_GPIO_PAIR), nullptr);
    }
}

TEST(UlvaneVessorPinsDeathTest, RecordOfAnotherBoardOrSize) {
    ULVANE_CONFIG ulvane{};
    ulvane.BoardId = BoardNumber(MAINBOARD_VESSOR);
    ulvane.Size = 404;
    TMainBoard board;
    EXPECT_DEATH(CONFIG_Ulvane(&board, ulvane), "Config.BoardId == MAINBOARD_ULVANE");
    ulvane.BoardId = BoardNumber(MAINBOARD_ULVANE);
    ulvane.Size = 408;
    EXPECT_DEATH(CONFIG_Ulvane(&board, ulvane), "Config.Size == sizeof\\(ULVANE_CONFIG\\)");

    VESSOR_CONFIG vessor{};
    vessor.BoardId = BoardNumber(MAINBOARD_ULVANE);
    vessor.Size = 404;
    EXPECT_DEATH(CONFIG_Vessor(&board, vessor), "Config.BoardId == MAINBOARD_VESSOR");
}
