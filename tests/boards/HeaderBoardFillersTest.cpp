// The pin fillers of the two-header boards Alvek, Bressa, Corvin, Dunmar and
// Istrel, run through their definitions: every group and both headers
// against dump fixtures, and the rules the tables alone do not show (clock
// periods, the I2C groups' names, which header connectors the cards make,
// Istrel's fixed header inputs).

#include "boards/BoardDump.h"

#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/cyclone2/BressaId.h"
#include "boards/cyclone2/CorvinId.h"
#include "boards/cyclone2/DunmarId.h"
#include "boards/cyclone3/AlvekId.h"
#include "boards/cyclone4/IstrelId.h"
#include "model/DaughterBoard.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

using boardtest::ConnectorNames;
using boardtest::FindConnector;

namespace {

struct HeaderBoard {
    BoardId id;
    const char* name;        // fixture <name>_all
    std::size_t firstOption; // the option bytes are contiguous from here
    int options;
    std::size_t cardOffset; // GPIO-0's card id; GPIO-1's follows
    const char* position41; // location of position 41 of "GPIO_0_1"
};

const HeaderBoard kBoards[] = {
    {MAINBOARD_ALVEK, "alvek", 136, 12, 148, "AB11"},
    {MAINBOARD_BRESSA, "bressa", 136, 14, 150, "H12"},
    {MAINBOARD_CORVIN, "corvin", 136, 19, 155, "K25"},
    {MAINBOARD_DUNMAR, "dunmar", 136, 21, 157, "AH14"},
    {MAINBOARD_ISTREL, "istrel", 136, 10, 146, nullptr},
};

std::string Name(const testing::TestParamInfo<HeaderBoard>& info) {
    return info.param.name;
}

void PrintTo(const HeaderBoard& board, std::ostream* out) {
    *out << board.name;
}

class HeaderBoardFiller : public testing::TestWithParam<HeaderBoard> {
protected:
    const BoardDef& Def() const { return *FindBoard(GetParam().id); }

    std::vector<std::uint8_t> Record(int card0 = 0, int card1 = 0) const {
        std::vector<std::uint8_t> record(Def().record.size);
        SetDefaultRecord(Def(), record);
        record[GetParam().cardOffset] = static_cast<std::uint8_t>(card0);
        record[GetParam().cardOffset + 1] = static_cast<std::uint8_t>(card1);
        return record;
    }
    std::vector<std::uint8_t> NothingTicked(int card0 = 0, int card1 = 0) const {
        std::vector<std::uint8_t> record = Record(card0, card1);
        for (int i = 0; i < GetParam().options; ++i) {
            record[GetParam().firstOption + static_cast<std::size_t>(i)] = 0;
        }
        return record;
    }
    std::unique_ptr<TMainBoard> Fill(const std::vector<std::uint8_t>& record) const {
        auto board = std::make_unique<TMainBoard>();
        FillBoard(Def(), *board, record);
        return board;
    }
};

TEST_P(HeaderBoardFiller, EveryGroupAndBothHeadersMatchTheFixture) {
    const auto board = Fill(Record(81, 81));
    boardtest::ExpectFixture(*board, std::string(GetParam().name) + "_all");
    EXPECT_EQ(board->GetBoardId(), BoardNumber(GetParam().id));
    EXPECT_TRUE(board->GetSpeedGradeText().empty());
}

TEST_P(HeaderBoardFiller, NothingTickedAndNoCardLeavesTheDeviceAlone) {
    const auto board = Fill(NothingTicked());
    EXPECT_EQ(board->GetConnectorCount(), 0);
    EXPECT_FALSE(board->GetDevice().empty());
}

TEST_P(HeaderBoardFiller, OnlyTheHeadersThatHoldACardGetAConnector) {
    const auto board = Fill(NothingTicked(0, 81));
    ASSERT_EQ(ConnectorNames(*board), std::vector<std::string>{"GPIO_1"});
    const TConnector& gpio1 = *board->GetConnector(0);
    EXPECT_EQ(gpio1.GetConnectorId(), CONNECTOR_ID_GPIO_1);
    EXPECT_EQ(gpio1.GetType(), CONNECTOR_GPIO40);
    EXPECT_EQ(gpio1.GetDescription(), "GPIO_1 connect to GPIO Default - 2.5V");
    EXPECT_EQ(gpio1.GetPinCount(), 40);
    EXPECT_EQ(gpio1.GetActivePinCount(), 36);
    EXPECT_EQ(board->GetExpansionConnector(CONNECTOR_ID_GPIO_0), nullptr);
}

// One 80-pin card over both headers makes one 80-position connector; the
// test is the attach rule's own, so a different card on GPIO-1 leaves the
// headers apart. Istrel has no 80-pin connector.
TEST_P(HeaderBoardFiller, EightyPinCardOnBothHeaders) {
    const auto pair = Fill(NothingTicked(11, 11));
    if (!GetParam().position41) {
        EXPECT_EQ(ConnectorNames(*pair), (std::vector<std::string>{"GPIO_0", "GPIO_1"}));
        return;
    }
    ASSERT_EQ(ConnectorNames(*pair), std::vector<std::string>{"GPIO_0_1"});
    const TConnector& both = *pair->GetConnector(0);
    EXPECT_EQ(both.GetConnectorId(), CONNECTOR_ID_GPIO_PAIR);
    EXPECT_EQ(both.GetType(), CONNECTOR_GPIO80);
    EXPECT_EQ(both.GetDescription(), "GPIO_0_1 connect to " + BoardName(CARD_OSTEL_GPIO));
    ASSERT_EQ(both.GetPinCount(), 80);
    std::vector<int> empty;
    for (int i = 0; i < 80; ++i) {
        if (!both.GetPin(i)) {
            empty.push_back(i + 1);
        }
    }
    EXPECT_EQ(empty, (std::vector<int>{11, 12, 29, 30, 51, 52, 69, 70}));
    EXPECT_EQ(both.GetPin(40)->GetLocation(), GetParam().position41);

    const auto apart = Fill(NothingTicked(11, 81));
    EXPECT_EQ(ConnectorNames(*apart), (std::vector<std::string>{"GPIO_0", "GPIO_1"}));
}

INSTANTIATE_TEST_SUITE_P(Boards, HeaderBoardFiller, testing::ValuesIn(kBoards), Name);

// ---------------------------------------------------------------------------
// One table over the boards: the clock pins and their periods. Every other
// pin is no clock (EXT_CLOCK and the TV decoders' TD_CLK27 included).

TEST(HeaderBoardClocks, ClockPinsAndPeriods) {
    const std::map<BoardId, std::map<std::string, int>> clocks = {
        {MAINBOARD_ALVEK, {{"CLOCK_50", 20}, {"CLOCK_50_2", 20}}},
        {MAINBOARD_BRESSA,
         {{"CLOCK_50", 20},
          {"CLOCK_27[0]", 37},
          {"CLOCK_27[1]", 37},
          {"CLOCK_24[0]", 41},
          {"CLOCK_24[1]", 41}}},
        {MAINBOARD_CORVIN, {{"CLOCK_50", 20}, {"CLOCK_27", 37}}},
        {MAINBOARD_DUNMAR,
         {{"CLOCK_50", 20},
          {"CLOCK_50_2", 20},
          {"CLOCK_50_3", 20},
          {"CLOCK_50_4", 20},
          {"CLOCK_28", 35}}},
        {MAINBOARD_ISTREL, {{"CLOCK_50", 20}}},
    };
    for (const auto& [id, expected] : clocks) {
        SCOPED_TRACE(BoardNumber(id));
        const BoardDef& def = *FindBoard(id);
        std::vector<std::uint8_t> record(def.record.size);
        SetDefaultRecord(def, record);
        TMainBoard board;
        FillBoard(def, board, record);
        std::map<std::string, int> found;
        for (int c = 0; c < board.GetConnectorCount(); ++c) {
            const TConnector& connector = *board.GetConnector(c);
            for (int i = 0; i < connector.GetPinCount(); ++i) {
                const TPin* pin = connector.GetPin(i);
                if (pin && pin->IsClockPin()) {
                    EXPECT_EQ(connector.GetName(), "CLOCK");
                    EXPECT_TRUE(pin->GetFrequency().empty());
                    found[pin->GetName()] = pin->GetPeriodNs();
                }
            }
        }
        EXPECT_EQ(found, expected);
    }
}

// ---------------------------------------------------------------------------
// The I2C groups: created by any of their bytes, named after those set, at
// the place after Audio (Corvin, Dunmar) also without Audio.

struct I2cCase {
    std::vector<std::size_t> set; // record offsets ticked
    std::vector<std::string> groups;
};

std::vector<std::string> GroupsWith(BoardId id, const std::vector<std::size_t>& set,
                                    std::vector<std::string>* pins = nullptr) {
    const BoardDef& def = *FindBoard(id);
    std::vector<std::uint8_t> record(def.record.size);
    SetDefaultRecord(def, record);
    for (const std::size_t offset : def.peripherals) {
        record[offset] = 0;
    }
    for (const std::size_t offset : set) {
        record[offset] = 1;
    }
    TMainBoard board;
    FillBoard(def, board, record);
    if (pins) {
        for (int c = 0; c < board.GetConnectorCount(); ++c) {
            const TConnector& connector = *board.GetConnector(c);
            if (connector.GetName().find("I2C") != std::string::npos ||
                connector.GetName().find("EEPROM") != std::string::npos ||
                connector.GetName().find("Accelerometer") != std::string::npos) {
                for (int i = 0; i < connector.GetPinCount(); ++i) {
                    pins->push_back(connector.GetPin(i)->GetName());
                }
            }
        }
    }
    return ConnectorNames(board);
}

TEST(HeaderBoardI2c, CorvinNamesEveryCombination) {
    constexpr std::size_t audio = 150, tv = 153, ethernet = 151;
    const I2cCase cases[] = {
        {{}, {}},
        {{audio}, {"Audio", "I2C for Audio"}},
        {{tv}, {"I2C for Tv-Decode", "TV Decoder"}},
        {{audio, tv}, {"Audio", "I2C for Audio and Tv-Decode", "TV Decoder"}},
        {{tv, ethernet}, {"I2C for Tv-Decode", "Ethernet", "TV Decoder"}},
    };
    for (const I2cCase& c : cases) {
        EXPECT_EQ(GroupsWith(MAINBOARD_CORVIN, c.set), c.groups);
    }
}

TEST(HeaderBoardI2c, DunmarNamesEveryCombination) {
    constexpr std::size_t audio = 151, tv1 = 154, tv2 = 155, ethernet = 152;
    const I2cCase cases[] = {
        {{}, {}},
        {{audio}, {"Audio", "I2C for Audio"}},
        {{tv1}, {"I2C for Tv-Decode 1", "TV Decoder 1"}},
        {{tv2}, {"I2C for Tv-Decode 2", "TV Decoder 2"}},
        {{tv1, tv2}, {"I2C for Tv-Decode 1 and 2", "TV Decoder 1", "TV Decoder 2"}},
        {{audio, tv1}, {"Audio", "I2C for Audio and Tv-Decode 1", "TV Decoder 1"}},
        {{audio, tv2}, {"Audio", "I2C for Audio and Tv-Decode 2", "TV Decoder 2"}},
        {{audio, tv1, tv2},
         {"Audio", "I2C for Audio and Tv-Decode 1 and 2", "TV Decoder 1", "TV Decoder 2"}},
        {{tv2, ethernet}, {"I2C for Tv-Decode 2", "Ethernet", "TV Decoder 2"}},
    };
    for (const I2cCase& c : cases) {
        EXPECT_EQ(GroupsWith(MAINBOARD_DUNMAR, c.set), c.groups);
    }
}

TEST(HeaderBoardI2c, IstrelEepromAndAccelerometer) {
    constexpr std::size_t accelerometer = 142, eeprom = 143, epcs = 144, adc = 141;
    std::vector<std::string> pins;
    EXPECT_EQ(GroupsWith(MAINBOARD_ISTREL, {eeprom}, &pins), std::vector<std::string>{"EEPROM"});
    EXPECT_EQ(pins, (std::vector<std::string>{"I2C_SCLK", "I2C_SDAT"}));
    pins.clear();
    EXPECT_EQ(GroupsWith(MAINBOARD_ISTREL, {accelerometer}, &pins),
              std::vector<std::string>{"Accelerometer"});
    EXPECT_EQ(pins,
              (std::vector<std::string>{"I2C_SCLK", "I2C_SDAT", "G_SENSOR_CS_N", "G_SENSOR_INT"}));
    EXPECT_EQ(GroupsWith(MAINBOARD_ISTREL, {adc, accelerometer, eeprom, epcs}),
              (std::vector<std::string>{"EPCS", "Accelerometer and EEPROM", "ADC"}));
}

// ---------------------------------------------------------------------------
// Istrel's header positions 1 and 3 are inputs whatever card is merged (or
// carry no signal where the card has no pin); the card gives the standard.

TEST(IstrelHeaders, PositionsOneAndThreeStayInputsUnderEveryCard) {
    const BoardDef& def = *FindBoard(MAINBOARD_ISTREL);
    for (const std::uint8_t id : PortCardList(def.ports[0])) {
        if (id == 0) {
            continue;
        }
        SCOPED_TRACE(static_cast<int>(id));
        const CardId card = MakeCardId(id);
        std::vector<std::uint8_t> record(def.record.size);
        SetDefaultRecord(def, record);
        record[146] = id;
        record[147] = id;
        SetRecordFieldText(record, 148, "A_");
        SetRecordFieldText(record, 276, "B_");
        const std::unique_ptr<TMainBoard> board = BuildBoardModel(def, record);
        TDaughterBoard filled;
        filled.FillCard(card, BoardCardRules(MAINBOARD_ISTREL), 0, IOSTD_3V3_LVTTL, "");
        for (const char* header : {"GPIO_0", "GPIO_1"}) {
            const TConnector& connector = *FindConnector(*board, header);
            for (const int position : {1, 3}) {
                const TPin& pin = *connector.GetPin(position - 1);
                const TPin* cardPin = filled.GetPin(position - 1);
                if (cardPin) {
                    EXPECT_EQ(pin.GetDirection(), PIN_DIR_INPUT) << header << " " << position;
                    EXPECT_EQ(pin.GetIoStandard(), cardPin->GetIoStandard());
                } else {
                    EXPECT_EQ(pin.GetDirection(), PIN_DIR_NONE) << header << " " << position;
                }
            }
            // Position 2 follows the card.
            if (const TPin* cardPin = filled.GetPin(1)) {
                EXPECT_EQ(connector.GetPin(1)->GetDirection(), cardPin->GetDirection());
            }
        }
    }
}

} // namespace
