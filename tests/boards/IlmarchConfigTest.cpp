#include "boards/cyclone5/IlmarchConfig.h"

#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/cyclone5/IlmarchId.h"
#include "platform/Files.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using namespace ilmarch;

namespace {

std::string Bytes(const ILMARCH_CONFIG& config) {
    return std::string(reinterpret_cast<const char*>(&config), sizeof config);
}

ILMARCH_CONFIG Defaults() {
    ILMARCH_CONFIG config;
    std::memset(&config, 0xA5, sizeof config); // defaults must overwrite every byte
    SetIlmarchDefaultConfig(config);
    return config;
}

const BoardDef& Ilmarch() {
    return *FindBoard(MAINBOARD_ILMARCH);
}

RecordSpan Span(ILMARCH_CONFIG& config) {
    return {reinterpret_cast<std::uint8_t*>(&config), sizeof config};
}

// What showing a loaded record does with it: the card lists follow the
// record's voltage (3.3 V: 0, 1, 11, 12, 13, 55, 62, 63, 66, 67, 74;
// 1.8 V: 0, 82).
void Check(ILMARCH_CONFIG& config) {
    MendRecord(Ilmarch(), Span(config));
}

} // namespace

TEST(IlmarchRecord, DefaultBytes) {
    std::string expected(412, '\0');
    expected[0] = 37;
    expected[4] = '\x9C'; // 412 little-endian
    expected[5] = '\x01';
    expected.replace(8, 7, "ILMARCH");
    for (int offset = 136; offset <= 147; ++offset) {
        expected[offset] = 1;
    }
    expected[148] = 5;
    EXPECT_EQ(Bytes(Defaults()), expected);
}

TEST(IlmarchRecord, DefinitionDefaultsAreTheRecordDefaults) {
    ILMARCH_CONFIG config;
    std::memset(&config, 0xA5, sizeof config);
    SetDefaultRecord(Ilmarch(), Span(config));
    EXPECT_EQ(Bytes(config), Bytes(Defaults()));
}

TEST(IlmarchRecord, LoadsOnlyIlmarchRecordsOfTheRightLength) {
    const std::string good = Bytes(Defaults());
    std::string otherBoard = good;
    otherBoard[0] = 21;
    std::string otherSize = good;
    otherSize[4] = '\x98'; // 408
    std::string sizeHighByte = good;
    sizeHighByte[7] = 1;
    std::string changed = good;
    changed[136] = 0;
    struct Case {
        const char* what;
        std::string bytes;
        bool loads;
    };
    const Case cases[] = {
        {"a record", changed, true},
        {"one byte short", good.substr(0, 411), false},
        {"one byte long", good + '\0', false},
        {"empty", std::string(), false},
        {"another board", otherBoard, false},
        {"another size", otherSize, false},
        {"size high byte", sizeHighByte, false},
    };
    TempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(platform::WriteWholeFile(dir.File("x.cfg"), c.bytes).Complete(c.bytes.size()));
        ILMARCH_CONFIG config = Defaults();
        EXPECT_EQ(LoadBoardRecord(Ilmarch(), dir.File("x.cfg"), Span(config)), c.loads);
        EXPECT_EQ(Bytes(config), c.loads ? c.bytes : good);
    }
}

TEST(IlmarchRecord, TextFields) {
    ILMARCH_CONFIG config = Defaults();
    std::memset(config.ProjectName, 'x', sizeof config.ProjectName);
    EXPECT_EQ(IlmarchText(config.ProjectName), std::string(128, 'x'));

    SetIlmarchText(config.ProjectName, std::string(200, 'y'));
    EXPECT_EQ(IlmarchText(config.ProjectName), std::string(127, 'y'));
    EXPECT_EQ(config.ProjectName[127], '\0');

    SetIlmarchText(config.ProjectName, "ab");
    EXPECT_EQ(IlmarchText(config.ProjectName), "ab");
    for (std::size_t i = 2; i < sizeof config.ProjectName; ++i) {
        ASSERT_EQ(config.ProjectName[i], '\0') << i;
    }
}

TEST(IlmarchRecord, VoltageCodes) {
    struct Case {
        std::int32_t code;
        std::int32_t stored;
        IoStd standard;
        const char* jumper;
    };
    const Case cases[] = {
        {5, 5, IOSTD_3V3_LVTTL, "3.3V(7-8)"},  {3, 3, IOSTD_2V5, "2.5V(5-6)"},
        {2, 2, IOSTD_1V8, "1.8V(3-4)"},        {1, 1, IOSTD_1V5, "1.5V(1-2)"},
        {0, 5, IOSTD_3V3_LVTTL, "3.3V(7-8)"},  {4, 5, IOSTD_3V3_LVTTL, "3.3V(7-8)"},
        {-1, 5, IOSTD_3V3_LVTTL, "3.3V(7-8)"}, {0x7FFFFFFF, 5, IOSTD_3V3_LVTTL, "3.3V(7-8)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(IlmarchVoltageOrDefault(c.code), c.stored);
        EXPECT_EQ(IlmarchGpioIoStandard(c.code), c.standard);
        EXPECT_EQ(IlmarchJumperText(c.code), c.jumper);
    }
}

TEST(IlmarchRecord, BothHeadersDefault) {
    struct Case {
        CardId card0;
        const char* prefix0;
        CardId card1;
        const char* prefix1;
        bool both;
    };
    const Case cases[] = {
        {CARD_GPIO_DEFAULT, "", CARD_GPIO_DEFAULT, "", true},
        {CARD_GPIO_DEFAULT_1V5, "", CARD_GPIO_DEFAULT_1V5, "", true},
        {CARD_GPIO_DEFAULT, "A_", CARD_GPIO_DEFAULT, "", false},
        {CARD_GPIO_DEFAULT, "", CARD_GPIO_DEFAULT, "B_", false},
        {CARD_GPIO_DEFAULT, "", CARD_GPIO_DEFAULT_2V5, "", false},
        {CARD_FYRN, "", CARD_FYRN, "", false},
        {CARD_NONE, "", CARD_NONE, "", false},
    };
    for (const Case& c : cases) {
        ILMARCH_CONFIG config = Defaults();
        config.nGpioDaughterId[GPIO_0] = static_cast<std::uint8_t>(c.card0);
        config.nGpioDaughterId[GPIO_1] = static_cast<std::uint8_t>(c.card1);
        SetIlmarchText(config.GpioPrefixName[GPIO_0], c.prefix0);
        SetIlmarchText(config.GpioPrefixName[GPIO_1], c.prefix1);
        EXPECT_EQ(BothHeadersDefault(Ilmarch(), Span(config)), c.both)
            << CardNumber(c.card0) << " " << CardNumber(c.card1);
    }
}

TEST(IlmarchRecord, CheckLeavesAGoodRecordAlone) {
    ILMARCH_CONFIG config = Defaults();
    config.Align1[1] = 0x55; // alignment bytes are kept as read
    config.Align2[0] = 0x66;
    config.nGpioDaughterId[GPIO_0] = 12;
    SetIlmarchText(config.GpioPrefixName[GPIO_0], "CAM_");
    config.nGpioDaughterId[GPIO_1] = 1;
    const std::string before = Bytes(config);
    Check(config);
    EXPECT_EQ(Bytes(config), before);
}

TEST(IlmarchRecord, CheckMendsFields) {
    ILMARCH_CONFIG config = Defaults();
    config.GpioVoltage = 9;
    config.LED = 200;
    config.Fan = 0;
    std::memcpy(config.ProjectName, "AB\0junk", 7);
    std::memset(config.GpioPrefixName[GPIO_0], 'p', sizeof config.GpioPrefixName[GPIO_0]);
    config.nGpioDaughterId[GPIO_0] = 13;
    config.nGpioDaughterId[GPIO_1] = 200; // no such card
    SetIlmarchText(config.GpioPrefixName[GPIO_1], "LOST_");
    Check(config);

    EXPECT_EQ(config.GpioVoltage, 5);
    EXPECT_EQ(config.LED, 1);
    EXPECT_EQ(config.Fan, 0);
    EXPECT_EQ(IlmarchText(config.ProjectName), "AB");
    EXPECT_EQ(config.ProjectName[4], '\0'); // the tail after the NUL is cleared
    EXPECT_EQ(config.nGpioDaughterId[GPIO_0], 13);
    EXPECT_EQ(IlmarchText(config.GpioPrefixName[GPIO_0]), std::string(127, 'p'));
    EXPECT_EQ(config.nGpioDaughterId[GPIO_1], 0);
    EXPECT_EQ(IlmarchText(config.GpioPrefixName[GPIO_1]), "");
}

TEST(IlmarchRecord, CheckCardsAgainstTheVoltageList) {
    struct Case {
        const char* what;
        std::int32_t voltage;
        std::uint8_t card0, card1;
        const char *prefix0, *prefix1;
        std::uint8_t want0, want1;
        const char *wantPrefix0, *wantPrefix1;
    };
    const Case cases[] = {
        {"3.3 V card at 1.8 V", 2, 1, 82, "A_", "B_", 0, 82, "", "B_"},
        {"80-pin card on GPIO-0 alone is paired", 5, 11, 0, "ADC_", "x", 11, 11, "ADC_", "ADC_"},
        {"80-pin card on GPIO-1 alone is dropped", 5, 1, 11, "", "ADC_", 1, 0, "", ""},
        {"80-pin pair keeps GPIO-0's prefix", 5, 11, 11, "A_", "B_", 11, 11, "A_", "A_"},
        {"80-pin card not offered at 1.8 V", 2, 11, 11, "A_", "A_", 0, 0, "", ""},
        {"None keeps its prefix text", 5, 0, 0, "A_", "B_", 0, 0, "A_", "B_"},
        {"a card without a map", 5, 4, 200, "A_", "B_", 0, 0, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ILMARCH_CONFIG config = Defaults();
        config.nGpioDaughterId[GPIO_0] = c.card0;
        config.nGpioDaughterId[GPIO_1] = c.card1;
        SetIlmarchText(config.GpioPrefixName[GPIO_0], c.prefix0);
        SetIlmarchText(config.GpioPrefixName[GPIO_1], c.prefix1);
        config.GpioVoltage = c.voltage;
        Check(config);
        EXPECT_EQ(config.nGpioDaughterId[GPIO_0], c.want0);
        EXPECT_EQ(config.nGpioDaughterId[GPIO_1], c.want1);
        EXPECT_EQ(IlmarchText(config.GpioPrefixName[GPIO_0]), c.wantPrefix0);
        EXPECT_EQ(IlmarchText(config.GpioPrefixName[GPIO_1]), c.wantPrefix1);
    }
}
