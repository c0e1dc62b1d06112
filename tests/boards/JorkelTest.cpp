// The Jorkel board (board id 50): its record, its pin filler against a dump
// fixture written from the board's documentation, the HSMC list and the
// card standard of its 2.5-V banks.

#include "boards/BoardDump.h"
#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/cyclone3/JorkelConfig.h"
#include "boards/cyclone3/JorkelId.h"
#include "platform/Files.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace {

const BoardDef& Def() {
    return *FindBoard(MAINBOARD_JORKEL);
}

std::vector<std::uint8_t> Defaults() {
    std::vector<std::uint8_t> record(Def().record.size, 0xA5);
    SetDefaultRecord(Def(), record);
    return record;
}

constexpr std::size_t kCard = offsetof(JORKEL_CONFIG, nHsmcDaughterId);
constexpr std::size_t kPrefix = offsetof(JORKEL_CONFIG, szHSMCPrefixName);

std::unique_ptr<TMainBoard> Filled(const std::vector<std::uint8_t>& record) {
    auto board = std::make_unique<TMainBoard>();
    FillBoard(Def(), *board, record);
    return board;
}

const TConnector* FindConnector(const TMainBoard& board, const std::string& name) {
    for (int i = 0; i < board.GetConnectorCount(); ++i) {
        if (board.GetConnector(i)->GetName() == name) {
            return board.GetConnector(i);
        }
    }
    return nullptr;
}

int PinCount(const TMainBoard& board) {
    int n = 0;
    for (int i = 0; i < board.GetConnectorCount(); ++i) {
        n += board.GetConnector(i)->GetActivePinCount();
    }
    return n;
}

} // namespace

TEST(Jorkel, DefaultsAndFiles) {
    std::vector<std::uint8_t> expected(272, 0);
    expected[0] = 50;
    expected[4] = 272 & 0xFF;
    expected[5] = 272 >> 8;
    const std::string name = "JORKEL";
    std::copy(name.begin(), name.end(), expected.begin() + 8);
    for (std::size_t offset = 136; offset <= 140; ++offset) {
        expected[offset] = 1;
    }
    EXPECT_EQ(Defaults(), expected);
    EXPECT_EQ(std::string(Def().folderWord), "JORKEL");

    // A file of this board comes back byte for byte, padding included; a
    // file of the same size from another board is refused.
    TempDir dir;
    std::vector<std::uint8_t> own = expected;
    own[kCard] = 17;
    SetRecordFieldText(own, kPrefix, "H_");
    own[1] = 7;
    own[271] = 9;
    const auto write = [&](const std::string& file, const std::vector<std::uint8_t>& bytes) {
        ASSERT_TRUE(
            platform::WriteWholeFile(dir.File(file), std::string(bytes.begin(), bytes.end()))
                .Complete(bytes.size()));
    };
    write("own.cfg", own);
    std::vector<std::uint8_t> read(272, 0);
    ASSERT_TRUE(LoadBoardRecord(Def(), dir.File("own.cfg"), read));
    EXPECT_EQ(read, own);
    std::vector<std::uint8_t> foreign = own;
    foreign[0] = 32;
    write("foreign.cfg", foreign);
    EXPECT_FALSE(LoadBoardRecord(Def(), dir.File("foreign.cfg"), read));
    EXPECT_EQ(read, own);
}

TEST(Jorkel, FillerMatchesItsFixture) {
    std::vector<std::uint8_t> record = Defaults();
    record[kCard] = 2;
    boardtest::ExpectFixture(*Filled(record), "jorkel_all_card2");
}

TEST(Jorkel, GroupsFollowTheBoxesAndTheCard) {
    struct Case {
        const char* name;
        std::vector<std::size_t> ticked; // record offsets
        std::uint8_t card;
        std::vector<std::string> connectors;
        int pins; // active pins of the filled board (placeholders included)
    };
    const std::vector<Case> cases = {
        {"defaults",
         {136, 137, 138, 139, 140},
         0,
         {"CLOCK", "LED", "KEY", "DDR SDRAM", "FLASH and SSRAM"},
         118},
        {"flash and SSRAM only", {140}, 0, {"FLASH and SSRAM"}, 66},
        {"card only", {}, 2, {"HSMC"}, 88},
        {"nothing", {}, 0, {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::uint8_t> record = Defaults();
        for (const std::size_t offset : Def().peripherals) {
            record[offset] = 0;
        }
        for (const std::size_t offset : c.ticked) {
            record[offset] = 1;
        }
        record[kCard] = c.card;
        const auto board = Filled(record);
        std::vector<std::string> names;
        for (int i = 0; i < board->GetConnectorCount(); ++i) {
            names.push_back(board->GetConnector(i)->GetName());
        }
        EXPECT_EQ(names, c.connectors);
        EXPECT_EQ(PinCount(*board), c.pins);
        if (c.card != 0) {
            EXPECT_EQ(board->GetExpansionConnector(CONNECTOR_ID_HSMC_A), board->GetConnector(0));
        }
    }
}

TEST(Jorkel, HsmcListIsTheTwoPointFiveVoltListWithoutTransceivers) {
    const std::vector<std::uint8_t> list = PortCardList(Def().ports[0]);
    EXPECT_EQ(list, (std::vector<std::uint8_t>{0, 2, 6, 7, 8, 10, 14, 17, 18, 19, 27, 28, 29, 31,
                                               32, 33, 35, 36, 61}));
}

// The connector's banks are 2.5-V banks: the Nimbal adaptor's 72 pins take
// 2.5 V there. HSMC Default with an empty prefix keeps its own names.
TEST(Jorkel, CardsTakeTheBanksStandardAndTheirOwnNames) {
    std::vector<std::uint8_t> record = Defaults();
    record[kCard] = 17;
    auto board = BuildBoardModel(Def(), record);
    const TConnector* hsmc = FindConnector(*board, "HSMC");
    ASSERT_NE(hsmc, nullptr);
    int cardPins = 0;
    for (int j = 0; j < hsmc->GetPinCount(); ++j) {
        const TPin* pin = hsmc->GetPin(j);
        if (pin && pin->GetDirection() != PIN_DIR_NONE) {
            ++cardPins;
            EXPECT_EQ(pin->GetIoStandard(), IOSTD_2V5) << pin->GetName();
            EXPECT_EQ(pin->GetDirection(), PIN_DIR_INOUT) << pin->GetName();
        }
    }
    EXPECT_EQ(cardPins, 72);

    record[kCard] = 2;
    std::string message;
    EXPECT_TRUE(CheckRecord(Def(), record, message)) << message;
    EXPECT_EQ(EffectivePrefix(Def(), record, Def().ports[0]), "");
    board = BuildBoardModel(Def(), record);
    const TPin* first = FindConnector(*board, "HSMC")->GetPin(32);
    ASSERT_NE(first, nullptr);
    EXPECT_FALSE(first->GetName().empty());
    EXPECT_NE(first->GetName().rfind("HSMC_", 0), 0u) << first->GetName();
}

// The prefix is checked under the port's name.
TEST(Jorkel, PrefixCheckNamesThePort) {
    std::vector<std::uint8_t> record = Defaults();
    record[kCard] = 2;
    SetRecordFieldText(record, kPrefix, "1A");
    std::string message;
    EXPECT_FALSE(CheckRecord(Def(), record, message));
    EXPECT_NE(message.find("Prefix Name of HSMC"), std::string::npos) << message;
}
