// The settings records of the MAX 10 boards Yelden, Brovan and Dravel: defaults byte
// for byte, round trips that keep every byte, the files refused, the mending
// of a loaded record, the checks, the header's card list and the Dravel
// batch.

#include "boards/BoardBatch.h"
#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/max10/BrovanConfig.h"
#include "boards/max10/BrovanId.h"
#include "boards/max10/ConfigDravel.h"
#include "boards/max10/DravelId.h"
#include "boards/max10/YeldenConfig.h"
#include "boards/max10/YeldenId.h"
#include "platform/Files.h"
#include "settings/ConfigCommon.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using Record = std::vector<std::uint8_t>;

const BoardDef& Yelden() {
    return *FindBoard(MAINBOARD_YELDEN);
}
const BoardDef& Brovan() {
    return *FindBoard(MAINBOARD_BROVAN);
}
const BoardDef& Dravel() {
    return *FindBoard(MAINBOARD_DRAVEL);
}

Record Defaults(const BoardDef& def) {
    Record record(def.record.size);
    SetDefaultRecord(def, record);
    return record;
}

void PutText(Record& r, std::size_t offset, const char* text) {
    std::memcpy(r.data() + offset, text, std::strlen(text));
}

class Max10Record : public testing::Test {
protected:
    std::string File(const std::string& name, const Record& bytes) {
        const std::string path = dir.File(name);
        EXPECT_TRUE(platform::WriteWholeFile(path, std::string(bytes.begin(), bytes.end()))
                        .Complete(bytes.size()));
        return path;
    }
    TempDir dir;
};

TEST_F(Max10Record, YeldenDefaultsByteForByte) {
    Record expected(292, 0);
    expected[0] = 26;
    expected[4] = 292 & 0xFF;
    expected[5] = 292 >> 8;
    PutText(expected, 8, "YELDEN");
    for (std::size_t offset = 136; offset <= 154; ++offset) {
        expected[offset] = 1;
    }
    expected[145] = 0; // MIPI
    expected[148] = 0; // DDR3
    expected[151] = 0; // SMA ADC
    expected[156] = 2; // revision C
    EXPECT_EQ(Defaults(Yelden()), expected);
}

// The byte at 153, which nothing reads, is 1 in the defaults.
TEST_F(Max10Record, BrovanDefaultsByteForByte) {
    Record expected(292, 0);
    expected[0] = 30;
    expected[4] = 292 & 0xFF;
    expected[5] = 292 >> 8;
    PutText(expected, 8, "MAX10");
    for (std::size_t offset = 136; offset <= 156; ++offset) {
        expected[offset] = 1;
    }
    expected[150] = 0; // DDR3
    expected[152] = 0; // Ethernet
    expected[155] = 0; // MIPI
    expected[156] = 0; // LCD panel
    EXPECT_EQ(Defaults(Brovan()), expected);
}

// The size comes first, then the board id.
TEST_F(Max10Record, DravelDefaultsByteForByte) {
    Record expected(272, 0);
    expected[0] = 272 & 0xFF;
    expected[1] = 272 >> 8;
    expected[4] = 32;
    PutText(expected, 5, "DRAVEL");
    for (const std::size_t offset : {133, 134, 135, 136, 138, 139, 140, 141, 142}) {
        expected[offset] = 1;
    }
    EXPECT_EQ(Defaults(Dravel()), expected);
}

TEST_F(Max10Record, RoundTripsKeepEveryByte) {
    struct Case {
        const BoardDef& def;
        std::vector<std::size_t> spare;
        std::size_t prefix;
    };
    const Case cases[] = {
        {Yelden(), {1, 2, 3, 155, 289, 290, 291}, offsetof(YELDEN_CONFIG, szBBBPrefixName)},
        {Dravel(), {137}, offsetof(DRAVEL_CONFIG, szGpioPrefixName)},
        {Brovan(), {1, 2, 3, 153, 157, 158, 159}, offsetof(BROVAN_CONFIG, szErganPrefixName)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.def.folderWord);
        Record bytes = Defaults(c.def);
        for (const std::size_t spare : c.spare) {
            bytes[spare] = static_cast<std::uint8_t>(0x40 + spare % 50);
        }
        bytes[c.def.peripherals[1]] = 0;
        SetRecordFieldText(bytes, c.prefix, "P_");
        SetRecordFieldText(bytes, c.def.record.projectNameOffset, "Round_trip");
        if (&c.def == &Yelden()) {
            bytes[offsetof(YELDEN_CONFIG, nBbbModeIndex)] = 3;
            bytes[offsetof(YELDEN_CONFIG, nBoardRevIndex)] = 0;
        } else if (&c.def == &Dravel()) {
            bytes[offsetof(DRAVEL_CONFIG, nGpioDaughterId)] = 12;
        } else {
            bytes[offsetof(BROVAN_CONFIG, nErganDaughterId)] = 73;
        }
        Record record = Defaults(c.def);
        ASSERT_TRUE(LoadBoardRecord(c.def, File("in.cfg", bytes), record));
        EXPECT_EQ(record, bytes);
        MendRecord(c.def, record);
        EXPECT_EQ(record, bytes);
        ASSERT_TRUE(config::SaveRecordFile(dir.File("out.cfg"), record.data(), record.size()));
        std::string saved;
        platform::ReadWholeFile(dir.File("out.cfg"), saved);
        EXPECT_EQ(saved, std::string(bytes.begin(), bytes.end()));
    }
}

// Only a file of the record's size whose id and size fields are this
// board's: a Dravel file checks its size at 0 and its id at 4.
TEST_F(Max10Record, ForeignFilesAreRefused) {
    const Record dravel = Defaults(Dravel());
    Record record = dravel;
    for (const std::size_t size : {271u, 273u}) {
        Record bytes(size, 0);
        std::memcpy(bytes.data(), dravel.data(), std::min<std::size_t>(size, 272));
        EXPECT_FALSE(LoadBoardRecord(Dravel(), File("d.cfg", bytes), record)) << size;
    }
    Record sizeAt4(272, 0); // a 272-byte record with the id first
    sizeAt4[0] = 32;
    sizeAt4[4] = 272 & 0xFF;
    sizeAt4[5] = 272 >> 8;
    EXPECT_FALSE(LoadBoardRecord(Dravel(), File("d.cfg", sizeAt4), record));
    EXPECT_EQ(record, dravel);

    TConfigDravel settings;
    settings.Config.BoardId = 99;
    EXPECT_FALSE(settings.LoadFromFile(File("d.cfg", sizeAt4)));
    EXPECT_EQ(settings.Config.BoardId, 99);
    ASSERT_TRUE(settings.LoadFromFile(File("d.cfg", dravel)));
    EXPECT_EQ(std::memcmp(&settings.Config, dravel.data(), 272), 0);
    ASSERT_TRUE(settings.SaveToFile(dir.File("saved.cfg")));
    std::string saved;
    platform::ReadWholeFile(dir.File("saved.cfg"), saved);
    EXPECT_EQ(saved, std::string(dravel.begin(), dravel.end()));

    // Yelden and Brovan, both 292 bytes, no longer read each other's files.
    const Record yelden = Defaults(Yelden());
    const Record brovan = Defaults(Brovan());
    record = yelden;
    EXPECT_FALSE(LoadBoardRecord(Yelden(), File("y.cfg", brovan), record));
    EXPECT_EQ(record, yelden);
    record = brovan;
    EXPECT_FALSE(LoadBoardRecord(Brovan(), File("b.cfg", yelden), record));
    EXPECT_EQ(record, brovan);
}

// Out-of-range choices of a loaded Yelden file: a mode above 3 is None with
// an empty prefix, a revision outside 0..2 is C; the header prefix is kept
// unchecked.
TEST_F(Max10Record, YeldenMendsItsChoices) {
    struct Case {
        int mode;
        std::int32_t revision;
        int mendedMode;
        std::int32_t mendedRevision;
        const char* mendedPrefix;
    };
    const Case cases[] = {
        {3, 0, 3, 0, "BB 1"},  {4, 1, 0, 1, ""},     {255, 2, 0, 2, ""},
        {0, -1, 0, 2, "BB 1"}, {1, 3, 1, 2, "BB 1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        Record record = Defaults(Yelden());
        YELDEN_CONFIG config = RecordAs<YELDEN_CONFIG>(record);
        config.nBbbModeIndex = static_cast<std::uint8_t>(c.mode);
        config.nBoardRevIndex = c.revision;
        std::memset(config.szBBBPrefixName, 'x', sizeof config.szBBBPrefixName);
        std::memcpy(config.szBBBPrefixName, "BB 1", 5);
        StoreRecord(record, config);
        MendRecord(Yelden(), record);
        const YELDEN_CONFIG mended = RecordAs<YELDEN_CONFIG>(record);
        EXPECT_EQ(mended.nBbbModeIndex, c.mendedMode);
        EXPECT_EQ(mended.nBoardRevIndex, c.mendedRevision);
        EXPECT_EQ(RecordFieldText(record, offsetof(YELDEN_CONFIG, szBBBPrefixName)),
                  c.mendedPrefix);
        EXPECT_EQ(mended.szBBBPrefixName[100], '\0');
        std::string message;
        EXPECT_TRUE(CheckRecord(Yelden(), record, message)) << message;
    }
    Record unnamed = Defaults(Yelden());
    SetRecordFieldText(unnamed, 8, "");
    std::string message;
    EXPECT_FALSE(CheckRecord(Yelden(), unnamed, message));
    EXPECT_EQ(message, "Project Name cannot be empty.");
}

TEST_F(Max10Record, DravelHeaderListAndRules) {
    const std::vector<std::uint8_t> expected = {0, 1, 12, 13, 55, 62, 63, 66, 67, 74, 81, 82, 83};
    EXPECT_EQ(PortCardList(Dravel().ports[0]), expected);

    Record record = Defaults(Dravel());
    record[offsetof(DRAVEL_CONFIG, nGpioDaughterId)] = 11; // an 80-pin card
    SetRecordFieldText(record, offsetof(DRAVEL_CONFIG, szGpioPrefixName), "X_");
    MendRecord(Dravel(), record);
    EXPECT_EQ(record[offsetof(DRAVEL_CONFIG, nGpioDaughterId)], 0);
    EXPECT_EQ(RecordFieldText(record, offsetof(DRAVEL_CONFIG, szGpioPrefixName)), "");

    record[offsetof(DRAVEL_CONFIG, nGpioDaughterId)] = 12;
    SetRecordFieldText(record, offsetof(DRAVEL_CONFIG, szGpioPrefixName), "9x");
    std::string message;
    EXPECT_FALSE(CheckRecord(Dravel(), record, message));
    EXPECT_NE(message.find("Prefix Name of GPIO"), std::string::npos) << message;
}

// The 2x6 header offers the two Ergan cards; its i32 card id is read at
// full width, so a value past 255 is no card and shows None.
TEST_F(Max10Record, BrovanHeaderListAndWideCardId) {
    const std::vector<std::uint8_t> expected = {0, 72, 73};
    EXPECT_EQ(PortCardList(Brovan().ports[0]), expected);
    for (const std::int32_t id : {73, 72 + 256, -1, 1}) {
        SCOPED_TRACE(id);
        Record record = Defaults(Brovan());
        BROVAN_CONFIG config = RecordAs<BROVAN_CONFIG>(record);
        config.nErganDaughterId = id;
        StoreRecord(record, config);
        SetRecordFieldText(record, offsetof(BROVAN_CONFIG, szErganPrefixName), "BT_");
        MendRecord(Brovan(), record);
        const BROVAN_CONFIG mended = RecordAs<BROVAN_CONFIG>(record);
        EXPECT_EQ(mended.nErganDaughterId, id == 73 ? 73 : 0);
        EXPECT_EQ(RecordFieldText(record, offsetof(BROVAN_CONFIG, szErganPrefixName)),
                  id == 73 ? "BT_" : "");
    }
    // The prefix of the header is checked while it carries a card.
    Record record = Defaults(Brovan());
    SetRecordFieldText(record, offsetof(BROVAN_CONFIG, szErganPrefixName), "B T");
    std::string message;
    EXPECT_TRUE(CheckRecord(Brovan(), record, message)) << message;
    BROVAN_CONFIG config = RecordAs<BROVAN_CONFIG>(record);
    config.nErganDaughterId = 73;
    StoreRecord(record, config);
    EXPECT_FALSE(CheckRecord(Brovan(), record, message));
    EXPECT_NE(message.find("Prefix Name of Ergan"), std::string::npos) << message;
}

// One project per card of the list after None, each with the prefix GPIO,
// named after the card's short name.
TEST_F(Max10Record, DravelBatchSteps) {
    const Record record = Defaults(Dravel());
    const std::vector<BatchStep> steps = BatchSteps(Dravel(), record);
    const std::vector<std::uint8_t> list = PortCardList(Dravel().ports[0]);
    ASSERT_EQ(steps.size(), 12u);
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const CardId card = MakeCardId(list[i + 1]);
        EXPECT_EQ(steps[i].name, BatchProjectName("DRAVEL", "GPIO", BoardShortName(card)));
        EXPECT_EQ(steps[i].name.rfind("DRAVEL_GPIO_", 0), 0u);
        Record applied = record;
        ApplyBatchStep(Dravel(), steps[i], applied);
        EXPECT_EQ(applied[offsetof(DRAVEL_CONFIG, nGpioDaughterId)], list[i + 1]);
        EXPECT_EQ(RecordFieldText(applied, offsetof(DRAVEL_CONFIG, szGpioPrefixName)), "GPIO");
        EXPECT_EQ(RecordFieldText(applied, offsetof(DRAVEL_CONFIG, ProjectName)), steps[i].name);
    }
}

} // namespace
