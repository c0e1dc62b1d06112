// The settings records of the two-header boards Alvek, Bressa, Corvin,
// Dunmar and Istrel: their defaults byte for byte, a round trip through a
// file that keeps every byte (padding and tail included), the files of
// other boards refused, and the card lists the headers offer.

#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/cyclone2/BressaId.h"
#include "boards/cyclone2/CorvinId.h"
#include "boards/cyclone2/DunmarId.h"
#include "boards/cyclone3/AlvekId.h"
#include "boards/cyclone4/IstrelId.h"
#include "platform/Files.h"
#include "settings/ConfigCommon.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

struct RecordCase {
    const char* name;
    BoardId id;
    std::size_t size;
    int options;                    // option bytes from 136 on, default 1
    std::size_t cards;              // GPIO-0's card id; GPIO-1's follows
    std::size_t prefixes;           // GPIO-0's prefix; GPIO-1's follows 128 bytes on
    std::vector<std::size_t> spare; // bytes the board does not interpret
};

const RecordCase kRecords[] = {
    {"ALVEK", MAINBOARD_ALVEK, 408, 12, 148, 150, {1, 2, 3, 406, 407}},
    {"BRESSA", MAINBOARD_BRESSA, 408, 14, 150, 152, {1, 2, 3}},
    {"CORVIN", MAINBOARD_CORVIN, 416, 19, 155, 157, {1, 2, 3, 413, 414, 415}},
    {"DUNMAR", MAINBOARD_DUNMAR, 416, 21, 157, 159, {1, 2, 3, 415}},
    {"ISTREL", MAINBOARD_ISTREL, 404, 10, 146, 148, {1, 2, 3}},
};

void PrintTo(const RecordCase& c, std::ostream* out) {
    *out << c.name;
}

class HeaderBoardRecord : public testing::TestWithParam<RecordCase> {
protected:
    const BoardDef& Def() const { return *FindBoard(GetParam().id); }
    std::string File(const std::string& name, const std::vector<std::uint8_t>& bytes) {
        const std::string path = dir.File(name);
        EXPECT_TRUE(platform::WriteWholeFile(path, std::string(bytes.begin(), bytes.end()))
                        .Complete(bytes.size()));
        return path;
    }
    TempDir dir;
};

TEST_P(HeaderBoardRecord, DefaultsByteForByte) {
    const RecordCase& c = GetParam();
    ASSERT_EQ(Def().record.size, c.size);
    std::vector<std::uint8_t> expected(c.size, 0);
    expected[0] = static_cast<std::uint8_t>(c.id);
    expected[4] = static_cast<std::uint8_t>(c.size & 0xFF);
    expected[5] = static_cast<std::uint8_t>(c.size >> 8);
    const std::string name = c.name;
    std::copy(name.begin(), name.end(), expected.begin() + 8);
    for (int i = 0; i < c.options; ++i) {
        expected[136 + static_cast<std::size_t>(i)] = 1;
    }
    std::vector<std::uint8_t> record(c.size, 0xA5); // every byte is set
    SetDefaultRecord(Def(), record);
    EXPECT_EQ(record, expected);
    EXPECT_EQ(Def().peripherals.size(), static_cast<std::size_t>(c.options));
    EXPECT_EQ(Def().ports[0].cardOffset, c.cards);
    EXPECT_EQ(Def().ports[1].cardOffset, c.cards + 1);
    EXPECT_EQ(Def().ports[0].prefixOffset, c.prefixes);
    EXPECT_EQ(Def().ports[1].prefixOffset, c.prefixes + 128);
    EXPECT_EQ(std::string(Def().folderWord), name);
}

// A file of this board is read whole and shown without a change, so saving
// it again writes the same bytes: the bytes the board does not interpret
// included.
TEST_P(HeaderBoardRecord, RoundTripKeepsEveryByte) {
    const RecordCase& c = GetParam();
    std::vector<std::uint8_t> bytes(c.size);
    SetDefaultRecord(Def(), bytes);
    for (const std::size_t spare : c.spare) {
        bytes[spare] = static_cast<std::uint8_t>(0x40 + spare % 50);
    }
    for (int i = 0; i < c.options; i += 2) {
        bytes[136 + static_cast<std::size_t>(i)] = 0;
    }
    bytes[c.cards + 1] = 81;
    SetRecordFieldText(bytes, c.prefixes + 128, "P1_");
    SetRecordFieldText(bytes, 8, "Round_trip");

    std::vector<std::uint8_t> record(c.size);
    SetDefaultRecord(Def(), record);
    ASSERT_TRUE(LoadBoardRecord(Def(), File("in.cfg", bytes), record));
    EXPECT_EQ(record, bytes);
    MendRecord(Def(), record);
    EXPECT_EQ(record, bytes);
    ASSERT_TRUE(config::SaveRecordFile(dir.File("out.cfg"), record.data(), record.size()));
    std::string saved;
    platform::ReadWholeFile(dir.File("out.cfg"), saved);
    EXPECT_EQ(saved, std::string(bytes.begin(), bytes.end()));
}

// Only a file of this board's size, board id and size field is taken: the
// boards of equal record size no longer read each other's files.
TEST_P(HeaderBoardRecord, FilesOfOtherBoardsAreRefused) {
    const RecordCase& c = GetParam();
    std::vector<std::uint8_t> record(c.size);
    SetDefaultRecord(Def(), record);
    const std::vector<std::uint8_t> before = record;
    for (const RecordCase& other : kRecords) {
        if (other.id == c.id) {
            continue;
        }
        std::vector<std::uint8_t> bytes(other.size);
        SetDefaultRecord(*FindBoard(other.id), bytes);
        EXPECT_FALSE(LoadBoardRecord(Def(), File("other.cfg", bytes), record)) << other.name;
        EXPECT_EQ(record, before);
    }
    std::vector<std::uint8_t> longer = before;
    longer.push_back(0);
    EXPECT_FALSE(LoadBoardRecord(Def(), File("long.cfg", longer), record));
    EXPECT_EQ(record, before);
}

// A card the header's list does not offer is shown as None with an empty
// prefix; a header at None keeps the text the record holds.
TEST_P(HeaderBoardRecord, UnlistedCardBecomesNoneWithoutPrefix) {
    const RecordCase& c = GetParam();
    std::vector<std::uint8_t> record(c.size);
    SetDefaultRecord(Def(), record);
    record[c.cards] = 11; // an 80-pin card of the 3.3 V lists
    SetRecordFieldText(record, c.prefixes, "ADC_");
    record[c.cards + 1] = 200;
    SetRecordFieldText(record, c.prefixes + 128, "X_");
    MendRecord(Def(), record);
    EXPECT_EQ(record[c.cards], 0);
    EXPECT_EQ(record[c.cards + 1], 0);
    EXPECT_EQ(RecordFieldText(record, c.prefixes), "");
    EXPECT_EQ(RecordFieldText(record, c.prefixes + 128), "");
}

INSTANTIATE_TEST_SUITE_P(Boards, HeaderBoardRecord, testing::ValuesIn(kRecords),
                         [](const testing::TestParamInfo<RecordCase>& info) {
                             return std::string(info.param.name);
                         });

// The Alvek-family headers offer None and the 2.5 V GPIO Default card (the
// 80-pin cards of the list's type are all 3.3 V); Istrel's the 40-pin cards
// of every voltage.
TEST(HeaderBoardCardLists, WhatTheHeadersOffer) {
    for (const BoardId id :
         {MAINBOARD_ALVEK, MAINBOARD_BRESSA, MAINBOARD_CORVIN, MAINBOARD_DUNMAR}) {
        for (const BoardCardPort& port : FindBoard(id)->ports) {
            EXPECT_EQ(PortCardList(port), (std::vector<std::uint8_t>{0, 81}))
                << BoardNumber(id) << " " << port.name;
        }
    }
    // Card 66 puts bits of one bus where the headers' positions 1 and 3 are
    // fixed inputs: the board's lists leave it out.
    const BoardDef& istrel = *FindBoard(MAINBOARD_ISTREL);
    for (const BoardCardPort& port : istrel.ports) {
        EXPECT_EQ(PortCardList(port),
                  (std::vector<std::uint8_t>{0, 1, 12, 13, 55, 62, 63, 66, 67, 74, 81, 82, 83}));
        EXPECT_EQ(PortCardList(istrel, port),
                  (std::vector<std::uint8_t>{0, 1, 12, 13, 55, 62, 63, 67, 74, 81, 82, 83}));
    }
    // A loaded record naming it mends to None.
    std::vector<std::uint8_t> record(istrel.record.size);
    SetDefaultRecord(istrel, record);
    record[istrel.ports[0].cardOffset] = 66;
    record[istrel.ports[1].cardOffset] = 67;
    MendRecord(istrel, record);
    EXPECT_EQ(record[istrel.ports[0].cardOffset], 0);
    EXPECT_EQ(record[istrel.ports[1].cardOffset], 67);
}

} // namespace
