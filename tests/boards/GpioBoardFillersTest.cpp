// The pin fillers of Sollen (21), Tavrin (22) and Wendal (25): each against
// a dump fixture written from the boards' documentation, which groups each
// option byte makes, the record copy the writer's text reads, and the
// records a filler refuses.

#include "boards/BoardDump.h"
#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/cyclone5/CONFIG_SOLLEN.h"
#include "boards/cyclone5/CONFIG_TAVRIN.h"
#include "boards/cyclone5/CONFIG_WENDAL.h"
#include "boards/cyclone5/SollenId.h"
#include "boards/cyclone5/TavrinId.h"
#include "boards/cyclone5/WendalId.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

// A record with every peripheral (or none) and the given cards.
std::vector<std::uint8_t> Record(BoardId id, bool groups, std::vector<std::uint8_t> cards) {
    const BoardDef& def = *FindBoard(id);
    std::vector<std::uint8_t> record(def.record.size);
    SetDefaultRecord(def, record);
    for (const std::size_t offset : def.peripherals) {
        record[offset] = groups ? 1 : 0;
    }
    for (std::size_t i = 0; i < cards.size(); ++i) {
        record[def.ports[i].cardOffset] = cards[i];
    }
    return record;
}

std::vector<std::string> GroupNames(const TMainBoard& board) {
    std::vector<std::string> names;
    for (int i = 0; i < board.GetConnectorCount(); ++i) {
        names.push_back(board.GetConnector(i)->GetName());
    }
    return names;
}

std::unique_ptr<TMainBoard> Filled(BoardId id, const std::vector<std::uint8_t>& record) {
    auto board = std::make_unique<TMainBoard>();
    FillBoard(*FindBoard(id), *board, record);
    return board;
}

} // namespace

TEST(GpioBoardFillers, MatchTheirFixtures) {
    struct Case {
        BoardId board;
        bool groups;
        std::vector<std::uint8_t> cards;
        const char* fixture;
    };
    const Case cases[] = {
        {MAINBOARD_SOLLEN, true, {1, 1}, "sollen_all"},
        {MAINBOARD_SOLLEN, false, {11, 11}, "sollen_pair"},
        {MAINBOARD_WENDAL, true, {1, 1}, "wendal_all"},
        {MAINBOARD_WENDAL, false, {11, 11}, "wendal_pair"},
        {MAINBOARD_TAVRIN, true, {1}, "tavrin_all"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fixture);
        boardtest::ExpectFixture(*Filled(c.board, Record(c.board, c.groups, c.cards)), c.fixture);
    }
}

TEST(GpioBoardFillers, PinCountsAndRecordCopy) {
    struct Case {
        BoardId board;
        int pins;       // every group ticked
        int withoutHps; // the HPS group left out
        const std::uint8_t* copy;
    };
    TMainBoard sollen, tavrin, wendal;
    const std::vector<std::uint8_t> records[] = {Record(MAINBOARD_SOLLEN, true, {0, 0}),
                                                 Record(MAINBOARD_TAVRIN, true, {0}),
                                                 Record(MAINBOARD_WENDAL, true, {0, 0})};
    CONFIG_SOLLEN(&sollen, RecordAs<SOLLEN_CONFIG>(records[0]));
    CONFIG_TAVRIN(&tavrin, RecordAs<TAVRIN_CONFIG>(records[1]));
    CONFIG_WENDAL(&wendal, RecordAs<WENDAL_CONFIG>(records[2]));
    EXPECT_EQ(std::memcmp(sollen.m_BoardRecord.bytes.data(), records[0].data(), 408), 0);
    EXPECT_EQ(std::memcmp(tavrin.m_BoardRecord.bytes.data(), records[1].data(), 408), 0);
    EXPECT_EQ(std::memcmp(wendal.m_BoardRecord.bytes.data(), records[2].data(), 404), 0);
    const auto count = [](const TMainBoard& b, bool withLocation) {
        int n = 0;
        for (int i = 0; i < b.GetConnectorCount(); ++i) {
            for (int j = 0; j < b.GetConnector(i)->GetPinCount(); ++j) {
                const TPin* p = b.GetConnector(i)->GetPin(j);
                n += p && (!withLocation || !p->GetLocation().empty()) ? 1 : 0;
            }
        }
        return n;
    };
    EXPECT_EQ(count(sollen, false), 168 + 128);
    EXPECT_EQ(count(sollen, true), 168);
    EXPECT_EQ(count(tavrin, false), 234 + 134);
    EXPECT_EQ(count(tavrin, true), 234);
    EXPECT_EQ(count(wendal, false), 134);
    EXPECT_EQ(count(wendal, true), 134);
}

TEST(GpioBoardFillers, EachOptionMakesItsGroups) {
    struct Case {
        BoardId board;
        std::vector<std::vector<std::string>> groups; // per peripheral, in definition order
    };
    const std::string i2c = "I2C for Audio and Video-In";
    const Case cases[] = {
        {MAINBOARD_SOLLEN,
         {{"CLOCK"},
          {"LED"},
          {"KEY"},
          {"SW"},
          {"VGA"},
          {"SDRAM"},
          {"Audio", i2c},
          {i2c, "Video-In"},
          {"ADC"},
          {"SEG7"},
          {"IR"},
          {"PS2"},
          {"HPS"}}},
        {MAINBOARD_TAVRIN,
         {{"CLOCK"},
          {"LED"},
          {"KEY"},
          {"SW"},
          {"VGA"},
          {"HDMI"},
          {"DDR3"},
          {"Audio", i2c},
          {i2c, "Video-In"},
          {"ADC"},
          {"SEG7"},
          {"IR"},
          {"PS2"},
          {"HPS"}}},
        {MAINBOARD_WENDAL,
         {{"CLOCK"},
          {"LED"},
          {"KEY"},
          {"SW"},
          {"VGA"},
          {"SDRAM"},
          {"SEG7"},
          {"PS2"},
          {"microSD Card"}}},
    };
    for (const Case& c : cases) {
        const BoardDef& def = *FindBoard(c.board);
        ASSERT_EQ(def.peripherals.size(), c.groups.size());
        const std::vector<std::uint8_t> none = Record(c.board, false, {});
        EXPECT_TRUE(GroupNames(*Filled(c.board, none)).empty());
        for (std::size_t i = 0; i < c.groups.size(); ++i) {
            SCOPED_TRACE(std::to_string(BoardNumber(c.board)) + " " + c.groups[i][0]);
            std::vector<std::uint8_t> record = none;
            record[def.peripherals[i]] = 1;
            EXPECT_EQ(GroupNames(*Filled(c.board, record)), c.groups[i]);
        }
    }
    // Audio and Video-In together make the shared group once.
    std::vector<std::uint8_t> both = Record(MAINBOARD_SOLLEN, false, {});
    both[offsetof(SOLLEN_CONFIG, Audio)] = both[offsetof(SOLLEN_CONFIG, VideoIn)] = 1;
    EXPECT_EQ(GroupNames(*Filled(MAINBOARD_SOLLEN, both)),
              (std::vector<std::string>{"Audio", i2c, "Video-In"}));
}

TEST(GpioBoardFillers, HeadersByCard) {
    struct Case {
        BoardId board;
        std::vector<std::uint8_t> cards;
        std::vector<std::string> connectors; // name:id:positions
    };
    const Case cases[] = {
        {MAINBOARD_SOLLEN, {0, 12}, {"GPIO_1:17:40"}},
        {MAINBOARD_WENDAL, {13, 0}, {"GPIO_0:16:40"}},
        {MAINBOARD_WENDAL, {12, 11}, {"GPIO_0:16:40", "GPIO_1:17:40"}},
        {MAINBOARD_SOLLEN, {11, 11}, {"GPIO_0_1:18:80"}},
        {MAINBOARD_TAVRIN, {83}, {"GPIO:16:40"}},
        {MAINBOARD_TAVRIN, {0}, {}},
    };
    for (const Case& c : cases) {
        const auto board = Filled(c.board, Record(c.board, false, c.cards));
        std::vector<std::string> got;
        for (int i = 0; i < board->GetConnectorCount(); ++i) {
            const TConnector* conn = board->GetConnector(i);
            got.push_back(conn->GetName() + ":" +
                          std::to_string(static_cast<int>(conn->GetConnectorId())) + ":" +
                          std::to_string(conn->GetPinCount()));
        }
        EXPECT_EQ(got, c.connectors);
    }
    const auto one = Filled(MAINBOARD_SOLLEN, Record(MAINBOARD_SOLLEN, false, {0, 12}));
    EXPECT_EQ(one->GetConnector(0)->GetDescription(), "GPIO_1 connect to " + BoardName(CARD_FYRN));
}

TEST(GpioBoardFillersDeathTest, RecordsTheyCannotTake) {
    for (const BoardId id : {MAINBOARD_SOLLEN, MAINBOARD_TAVRIN, MAINBOARD_WENDAL}) {
        SCOPED_TRACE(BoardNumber(id));
        std::vector<std::uint8_t> record = Record(id, true, {});
        record[0] = 37;
        EXPECT_DEATH(Filled(id, record), "Config.BoardId == MAINBOARD_");
        record = Record(id, true, {});
        record[4] = 1;
        EXPECT_DEATH(Filled(id, record), "Config.Size == sizeof");
    }
    EXPECT_DEATH(Filled(MAINBOARD_WENDAL, Record(MAINBOARD_WENDAL, false, {11, 0})),
                 "Config.nGpioDaughterId\\[GPIO_1\\]");
}
