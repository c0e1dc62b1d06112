// The pin fillers of the Ulvane and Vessor boards, run through their board
// definitions: the whole pin model with every option on and a card on each
// header against a dump fixture written from the boards' documentation
// (tests/boards/fixtures/<board>_pins.txt), and what each option and header
// adds on its own.

#include "boards/BoardDump.h"
#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/cyclone5/CONFIG_ULVANE.h"
#include "boards/cyclone5/CONFIG_VESSOR.h"
#include "boards/cyclone5/UlvaneId.h"
#include "boards/cyclone5/VessorId.h"

#include <gtest/gtest.h>

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

std::unique_ptr<TMainBoard> Fill(const BoardDef& def, const std::vector<std::uint8_t>& record) {
    auto board = std::make_unique<TMainBoard>();
    FillBoard(def, *board, record);
    return board;
}

} // namespace

TEST(UlvaneVessorPins, EverythingOnMatchesTheFixture) {
    for (const BoardCase& c : kBoards) {
        SCOPED_TRACE(Name(c));
        const BoardDef& def = *FindBoard(c.id);
        const auto board = Fill(def, Record(def, true, 1, 12));
        EXPECT_EQ(board->GetBoardId(), BoardNumber(c.id));
        EXPECT_EQ(board->GetSpeedGrade(), 0);
        boardtest::ExpectFixture(*board, c.fixture);
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
            EXPECT_EQ(boardtest::ConnectorNames(*Fill(def, record)),
                      std::vector<std::string>{c.groups[i]});
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
