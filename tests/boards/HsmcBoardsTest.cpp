// The Cyclone V HSMC boards Quindle (19), Rasmer (20) and Falmor (34): the
// pin fillers against dump fixtures written from the boards' documentation,
// the voltage choice (card lists, card standard, clock input, mending), and
// the "HSMC_" default prefix, which the generation uses and the record never
// keeps.

#include "boards/BoardBatch.h"
#include "boards/BoardDump.h"
#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/cyclone5/CONFIG_FALMOR.h"
#include "boards/cyclone5/ConfigFalmor.h"
#include "boards/cyclone5/FalmorId.h"
#include "boards/cyclone5/QuindleConfig.h"
#include "boards/cyclone5/QuindleId.h"
#include "boards/cyclone5/RasmerConfig.h"
#include "boards/cyclone5/RasmerId.h"
#include "boards/cyclone5/SollenId.h"
#include "generator/Pinsmith.h"
#include "model/Sizes.h"
#include "platform/Files.h"
#include "platform/ScriptedUi.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

std::vector<std::uint8_t> Defaults(BoardId id) {
    const BoardDef& def = *FindBoard(id);
    std::vector<std::uint8_t> record(def.record.size);
    SetDefaultRecord(def, record);
    return record;
}

void SetI32(std::vector<std::uint8_t>& record, std::size_t offset, std::int32_t value) {
    std::memcpy(record.data() + offset, &value, sizeof value);
}
std::int32_t GetI32(const std::vector<std::uint8_t>& record, std::size_t offset) {
    std::int32_t value = 0;
    std::memcpy(&value, record.data() + offset, sizeof value);
    return value;
}

std::unique_ptr<TMainBoard> Filled(BoardId id, const std::vector<std::uint8_t>& record) {
    auto board = std::make_unique<TMainBoard>();
    FillBoard(*FindBoard(id), *board, record);
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
        for (int j = 0; j < board.GetConnector(i)->GetPinCount(); ++j) {
            n += board.GetConnector(i)->GetPin(j) ? 1 : 0;
        }
    }
    return n;
}

constexpr std::size_t kQuindleVoltage = offsetof(QUINDLE_CONFIG, HsmcVoltage);
constexpr std::size_t kQuindleCard = offsetof(QUINDLE_CONFIG, HsmcDaughterId);

} // namespace

TEST(HsmcBoards, QuindleFillerMatchesItsFixtures) {
    std::vector<std::uint8_t> record = Defaults(MAINBOARD_QUINDLE);
    record[kQuindleCard] = 3;
    boardtest::ExpectFixture(*Filled(MAINBOARD_QUINDLE, record), "quindle_all_xcvr");
    record[kQuindleCard] = 17;
    SetI32(record, kQuindleVoltage, 2);
    boardtest::ExpectFixture(*Filled(MAINBOARD_QUINDLE, record), "quindle_all_nimbal_1v8");
}

TEST(HsmcBoards, QuindleGroupsAndReferenceClock) {
    std::vector<std::uint8_t> record = Defaults(MAINBOARD_QUINDLE);
    EXPECT_EQ(PinCount(*Filled(MAINBOARD_QUINDLE, record)), 134);
    // The reference clock needs both CLOCK and a transceiver card.
    struct Case {
        std::uint8_t osc;
        std::uint8_t card;
        bool refClock;
    };
    for (const Case c :
         {Case{1, 3, true}, Case{1, 2, false}, Case{0, 3, false}, Case{1, 0, false}}) {
        record[offsetof(QUINDLE_CONFIG, OSC)] = c.osc;
        record[kQuindleCard] = c.card;
        const auto board = Filled(MAINBOARD_QUINDLE, record);
        const TConnector* clock = FindConnector(*board, "CLOCK");
        const bool has = clock && clock->GetPinCount() == 5 &&
                         clock->GetPin(4)->GetName() == "HSMC_REF_CLK_p" &&
                         clock->GetPin(4)->GetLocation() == "P9";
        EXPECT_EQ(has, c.refClock) << int(c.osc) << " " << int(c.card);
        EXPECT_EQ(FindConnector(*board, "HSMC") != nullptr, c.card != 0);
    }
    // Every option off and no card: the FPGA data alone.
    for (const std::size_t offset : FindBoard(MAINBOARD_QUINDLE)->peripherals) {
        record[offset] = 0;
    }
    record[kQuindleCard] = 0;
    const auto bare = Filled(MAINBOARD_QUINDLE, record);
    EXPECT_EQ(bare->GetConnectorCount(), 0);
    EXPECT_EQ(bare->GetDevice(), "5CSXFC6D6F31C8ES");
}

TEST(HsmcBoards, QuindleVoltagePicksListStandardAndClockInput) {
    struct Case {
        std::int32_t index;
        std::vector<std::uint8_t> list;
        IoStd standard;
    };
    const std::vector<std::uint8_t> list2v5 = {0,  2,  3,  6,  7,  8,  10, 14, 17, 18, 19, 21, 22,
                                               23, 26, 27, 28, 29, 31, 32, 33, 35, 36, 37, 61};
    const Case cases[] = {
        {0, {0, 17, 57, 58, 59}, IOSTD_3V3_LVTTL},
        {1, list2v5, IOSTD_2V5},
        {2, {0, 17}, IOSTD_1V8},
        {3, {0, 17}, IOSTD_1V5},
    };
    const BoardDef& def = *FindBoard(MAINBOARD_QUINDLE);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        std::vector<std::uint8_t> record = Defaults(MAINBOARD_QUINDLE);
        SetI32(record, kQuindleVoltage, c.index);
        const BoardCardPort port = EffectivePorts(def, record)[0];
        EXPECT_EQ(PortCardList(port), c.list);
        EXPECT_EQ(port.ioStandard, c.standard);
        // The clock input (position 40) is a board input at the standard;
        // the card's pins (card 17 from position 47 on) take it too.
        record[kQuindleCard] = 17;
        const TPin* clockIn = FindConnector(*Filled(MAINBOARD_QUINDLE, record), "HSMC")->GetPin(39);
        ASSERT_NE(clockIn, nullptr);
        EXPECT_EQ(clockIn->GetIoStandard(), c.standard);
        EXPECT_EQ(clockIn->GetDirection(), PIN_DIR_INPUT);
        const auto board = BuildBoardModel(def, record);
        const TPin* cardPin = FindConnector(*board, "HSMC")->GetPin(46);
        ASSERT_NE(cardPin, nullptr);
        EXPECT_EQ(cardPin->GetName(), "GPIO1_35");
        EXPECT_EQ(cardPin->GetIoStandard(), c.standard);
    }
}

TEST(HsmcBoards, VoltageOutsideTheComboIsTakenAsTwoPointFive) {
    struct Board {
        BoardId id;
        std::size_t voltage, card;
    };
    for (const Board& b : {Board{MAINBOARD_QUINDLE, kQuindleVoltage, kQuindleCard},
                           Board{MAINBOARD_FALMOR, offsetof(FALMOR_CONFIG, HsmcVoltage),
                                 offsetof(FALMOR_CONFIG, HsmcDaughterId)}}) {
        for (const std::int32_t index : {-1, 4, 7, 0x7fffffff}) {
            std::vector<std::uint8_t> record = Defaults(b.id);
            SetI32(record, b.voltage, index);
            record[b.card] = 2; // in the 2.5 V list only
            MendRecord(*FindBoard(b.id), record);
            EXPECT_EQ(GetI32(record, b.voltage), 1) << index;
            EXPECT_EQ(record[b.card], 2) << index;
        }
    }
    // A card its voltage's list lacks becomes None with an empty prefix.
    std::vector<std::uint8_t> record = Defaults(MAINBOARD_QUINDLE);
    SetI32(record, kQuindleVoltage, 0);
    record[kQuindleCard] = 2;
    SetRecordFieldText(record, offsetof(QUINDLE_CONFIG, HsmcPrefixName), "A_");
    MendRecord(*FindBoard(MAINBOARD_QUINDLE), record);
    EXPECT_EQ(record[kQuindleCard], 0);
    EXPECT_EQ(RecordFieldText(record, offsetof(QUINDLE_CONFIG, HsmcPrefixName)), "");
}

TEST(HsmcBoards, HsmcDefaultPrefixOnlyInTheGeneration) {
    struct Case {
        BoardId board;
        std::uint8_t card;
        const char* prefix;
        const char* effective;
    };
    const Case cases[] = {
        {MAINBOARD_QUINDLE, 2, "", "HSMC_"}, {MAINBOARD_QUINDLE, 3, "", "HSMC_"},
        {MAINBOARD_QUINDLE, 2, "X_", "X_"},  {MAINBOARD_QUINDLE, 17, "", ""},
        {MAINBOARD_RASMER, 3, "", "HSMC_"},  {MAINBOARD_RASMER, 23, "", ""},
    };
    for (const Case& c : cases) {
        const BoardDef& def = *FindBoard(c.board);
        std::vector<std::uint8_t> record = Defaults(c.board);
        const BoardCardPort& port = def.ports[def.ports.size() - 1];
        record[port.cardOffset] = c.card;
        SetRecordFieldText(record, port.prefixOffset, c.prefix);
        const std::vector<std::uint8_t> before = record;
        EXPECT_EQ(EffectivePrefix(def, record, port), c.effective);
        const auto board = BuildBoardModel(def, record);
        EXPECT_EQ(record, before) << "the generation leaves the record alone";
    }
}

namespace {
constexpr std::size_t kRasmerGpio = offsetof(RASMER_CONFIG, GpioDaughterId);
constexpr std::size_t kRasmerHsmc = offsetof(RASMER_CONFIG, HsmcDaughterId);

std::vector<std::uint8_t> RasmerAll() {
    std::vector<std::uint8_t> record = Defaults(MAINBOARD_RASMER);
    for (const std::size_t offset : FindBoard(MAINBOARD_RASMER)->peripherals) {
        record[offset] = 1;
    }
    return record;
}
} // namespace

TEST(HsmcBoards, RasmerFillerMatchesItsFixtures) {
    std::vector<std::uint8_t> record = RasmerAll();
    boardtest::ExpectFixture(*Filled(MAINBOARD_RASMER, record), "rasmer_all");
    record[kRasmerGpio] = 1;
    record[kRasmerHsmc] = 2;
    boardtest::ExpectFixture(*Filled(MAINBOARD_RASMER, record), "rasmer_all_cards");
}

TEST(HsmcBoards, RasmerGroupsFollowTheOptionsAndTheGpioCard) {
    const auto groups = [](const TMainBoard& board) { return board.GetConnectorCount(); };
    std::vector<std::uint8_t> record = Defaults(MAINBOARD_RASMER);
    auto board = Filled(MAINBOARD_RASMER, record);
    EXPECT_EQ(groups(*board), 13);
    EXPECT_EQ(PinCount(*board), 215);
    record = RasmerAll();
    EXPECT_EQ(PinCount(*Filled(MAINBOARD_RASMER, record)), 219);
    record[kRasmerGpio] = 12;
    board = Filled(MAINBOARD_RASMER, record);
    EXPECT_EQ(FindConnector(*board, "SEG7")->GetPinCount(), 14);
    EXPECT_EQ(PinCount(*board) - FindConnector(*board, "GPIO")->GetPinCount() + 4, 205);

    // The shared I2C bus: any of Audio, HDMI TX, Si5338 I2C or an HSMC card.
    const char* i2c = "I2C for Audio/HDMI-TX/Si5338/HSMC";
    struct Case {
        std::size_t option; // 0: none
        std::uint8_t hsmcCard;
        bool made;
    };
    const Case cases[] = {{offsetof(RASMER_CONFIG, Audio), 0, true},
                          {offsetof(RASMER_CONFIG, HDMI_TX), 0, true},
                          {offsetof(RASMER_CONFIG, Si5338_I2C), 0, true},
                          {0, 17, true},
                          {offsetof(RASMER_CONFIG, SRAM), 0, false}};
    for (const Case& c : cases) {
        std::vector<std::uint8_t> none = Defaults(MAINBOARD_RASMER);
        for (const std::size_t offset : FindBoard(MAINBOARD_RASMER)->peripherals) {
            none[offset] = 0;
        }
        EXPECT_EQ(Filled(MAINBOARD_RASMER, none)->GetConnectorCount(), 0);
        if (c.option) {
            none[c.option] = 1;
        }
        none[kRasmerHsmc] = c.hsmcCard;
        EXPECT_EQ(FindConnector(*Filled(MAINBOARD_RASMER, none), i2c) != nullptr, c.made)
            << c.option << " " << int(c.hsmcCard);
    }
}

TEST(HsmcBoards, RasmerListsAndLanes) {
    const BoardDef& def = *FindBoard(MAINBOARD_RASMER);
    const std::vector<std::uint8_t> record = Defaults(MAINBOARD_RASMER);
    const std::vector<BoardCardPort> ports = EffectivePorts(def, record);
    EXPECT_EQ(PortCardList(ports[0]),
              (std::vector<std::uint8_t>{0, 1, 12, 13, 55, 62, 63, 66, 67, 74, 81, 82, 83}));
    EXPECT_EQ(PortCardList(ports[1]).size(), 25u);
    // Card 23 on the lanes: the p halves only, no location twice.
    std::vector<std::uint8_t> sata = record;
    sata[kRasmerHsmc] = 23;
    const auto board = BuildBoardModel(def, sata);
    const TConnector* hsmc = FindConnector(*board, "HSMC");
    ASSERT_NE(hsmc, nullptr);
    for (const int n : {19, 20, 23, 24, 27, 28, 31, 32}) {
        EXPECT_EQ(hsmc->GetPin(n - 1), nullptr) << n;
    }
    std::vector<std::string> names;
    for (int i = 0; i < hsmc->GetPinCount(); ++i) {
        if (const TPin* pin = hsmc->GetPin(i); pin && pin->GetDirection() != PIN_DIR_NONE) {
            names.push_back(pin->GetName());
        }
    }
    for (const std::string& name : names) {
        EXPECT_EQ(name.find("_N["), std::string::npos) << name;
    }
}

TEST(HsmcBoards, RasmerBatchWalksHsmcFromNoneThenGpio) {
    const BoardDef& def = *FindBoard(MAINBOARD_RASMER);
    std::vector<std::uint8_t> record = Defaults(MAINBOARD_RASMER);
    record[kRasmerGpio] = 12;
    SetRecordFieldText(record, offsetof(RASMER_CONFIG, HsmcPrefixName), "H_");
    const std::vector<BatchStep> steps = BatchSteps(def, record);
    ASSERT_EQ(steps.size(), 37u);
    EXPECT_EQ(steps[0].name, "RASMER_HSMC_None");
    EXPECT_EQ(steps[25].name.rfind("RASMER_GPIO_", 0), 0u);
    // HSMC steps keep the user's GPIO card; GPIO steps have HSMC None; the
    // prefixes stay as typed.
    std::vector<std::uint8_t> applied = record;
    ApplyBatchStep(def, steps[3], applied);
    EXPECT_EQ(applied[kRasmerGpio], 12);
    EXPECT_EQ(RecordFieldText(applied, offsetof(RASMER_CONFIG, HsmcPrefixName)), "H_");
    applied = record;
    ApplyBatchStep(def, steps[30], applied);
    EXPECT_EQ(applied[kRasmerHsmc], 0);
}

namespace {
constexpr std::size_t kFalmorVoltage = offsetof(FALMOR_CONFIG, HsmcVoltage);
constexpr std::size_t kFalmorGpio = offsetof(FALMOR_CONFIG, GpioDaughterId);
constexpr std::size_t kFalmorHsmc = offsetof(FALMOR_CONFIG, HsmcDaughterId);
} // namespace

TEST(HsmcBoards, FalmorFillerMatchesItsFixtureAndKeepsItsSettings) {
    std::vector<std::uint8_t> record = Defaults(MAINBOARD_FALMOR);
    record[offsetof(FALMOR_CONFIG, HPS)] = 1;
    record[kFalmorGpio] = 1;
    record[kFalmorHsmc] = 17;
    const auto board = Filled(MAINBOARD_FALMOR, record);
    boardtest::ExpectFixture(*board, "falmor_all_cards");
    // The record path keeps a settings object alive with the board.
    const auto* settings = dynamic_cast<const TConfigFalmor*>(board->m_pConfigBoard);
    ASSERT_NE(settings, nullptr);
    EXPECT_EQ(board->m_OwnedConfigBoard.get(), board->m_pConfigBoard);
    EXPECT_EQ(std::memcmp(&settings->Config, record.data(), record.size()), 0);
    // The settings path points at the object given and owns nothing.
    TConfigFalmor given;
    given.Config = RecordAs<FALMOR_CONFIG>(record);
    TMainBoard other;
    CONFIG_Falmor(&other, &given);
    EXPECT_EQ(other.m_pConfigBoard, &given);
    EXPECT_EQ(other.m_OwnedConfigBoard, nullptr);
    EXPECT_EQ(PinCount(*Filled(MAINBOARD_FALMOR, Defaults(MAINBOARD_FALMOR))), 168);
}

TEST(HsmcBoards, FalmorVoltageListsAndStandard) {
    struct Case {
        std::int32_t index;
        std::vector<std::uint8_t> list;
        IoStd standard;
    };
    const Case cases[] = {
        {0, {0, 17, 57, 58, 59}, IOSTD_3V3_LVTTL},
        {1, {0, 2, 6, 7, 8, 10, 14, 17, 18, 19, 27, 28, 29, 31, 32, 33, 35, 36, 61}, IOSTD_2V5},
        {2, {0, 17}, IOSTD_1V8},
        {3, {0, 17}, IOSTD_1V5},
        {7, {0, 2, 6, 7, 8, 10, 14, 17, 18, 19, 27, 28, 29, 31, 32, 33, 35, 36, 61}, IOSTD_2V5},
    };
    const BoardDef& def = *FindBoard(MAINBOARD_FALMOR);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        std::vector<std::uint8_t> record = Defaults(MAINBOARD_FALMOR);
        SetI32(record, kFalmorVoltage, c.index);
        MendRecord(def, record);
        const std::vector<BoardCardPort> ports = EffectivePorts(def, record);
        EXPECT_EQ(PortCardList(ports[1]), c.list);
        EXPECT_EQ(PortCardList(ports[0]).size(), 13u);
        // Card 17 takes the voltage's standard (never 3.3-V LVTTL on a
        // lower bank).
        record[kFalmorHsmc] = 17;
        const auto board = BuildBoardModel(def, record);
        const TPin* pin = FindConnector(*board, "HSMC")->GetPin(46);
        ASSERT_NE(pin, nullptr);
        EXPECT_EQ(pin->GetIoStandard(), c.standard);
    }
}

TEST(HsmcBoards, FalmorFyrnCardsOnBothConnectorsMeetTheDuplicateSignalBox) {
    const BoardDef& def = *FindBoard(MAINBOARD_FALMOR);
    std::vector<std::uint8_t> record = Defaults(MAINBOARD_FALMOR);
    SetI32(record, kFalmorVoltage, 0);
    record[kFalmorGpio] = 12;
    record[kFalmorHsmc] = 57;
    std::string message;
    ASSERT_TRUE(CheckRecord(def, record, message)) << message;
    platform::ScriptedUi ui;
    TempDir dir;
    const auto board = BuildBoardModel(def, record);
    TPinsmith pinsmith;
    EXPECT_FALSE(pinsmith.Generate(board.get(), dir.File("f.qpf"), false));
    ASSERT_FALSE(ui.Boxes().empty());
    EXPECT_NE(ui.Boxes()[0].text.find("is used by both GPIO and HSMC"), std::string::npos)
        << ui.Boxes()[0].text;
}

TEST(HsmcBoards, FalmorSettingsFiles) {
    TempDir dir;
    const std::vector<std::uint8_t> own = Defaults(MAINBOARD_FALMOR);
    const auto write = [&](const std::string& name, std::vector<std::uint8_t> bytes) {
        const std::string file = dir.File(name);
        EXPECT_TRUE(platform::WriteWholeFile(file, std::string(bytes.begin(), bytes.end()))
                        .Complete(bytes.size()));
        return file;
    };
    std::vector<std::uint8_t> shortFile(own.begin(), own.end() - 1);
    std::vector<std::uint8_t> longFile = own;
    longFile.push_back(0);
    std::vector<std::uint8_t> foreign = own;
    foreign[0] = BoardNumber(MAINBOARD_SOLLEN);
    std::vector<std::uint8_t> marked = own;
    marked[offsetof(FALMOR_CONFIG, VHDL)] = 1;

    TConfigFalmor settings;
    settings.Config.LED = 7; // untouched by a refused file
    for (const auto& [name, bytes] :
         {std::pair{"415.cfg", shortFile}, std::pair{"417.cfg", longFile},
          std::pair{"foreign.cfg", foreign}}) {
        EXPECT_FALSE(settings.LoadFromFile(write(name, bytes))) << name;
        EXPECT_EQ(settings.Config.LED, 7) << name;
    }
    EXPECT_TRUE(settings.LoadFromFile(write("own.cfg", marked)));
    EXPECT_EQ(settings.Config.VHDL, 1);
    // Save writes the 416 bytes back; ExportIpFiles writes nothing.
    const std::string saved = dir.File("saved.cfg");
    EXPECT_TRUE(settings.SaveToFile(saved));
    std::string bytes;
    ASSERT_TRUE(platform::ReadWholeFile(saved, bytes));
    EXPECT_EQ(bytes, std::string(marked.begin(), marked.end()));
    EXPECT_TRUE(settings.ExportIpFiles(dir.Path() + "ip/"));
    EXPECT_FALSE(platform::FileExists(dir.Path() + "ip"));
    EXPECT_EQ(settings.GetQsfAssignments() + settings.GetVerilogCode() +
                  settings.GetVhdlArchitecture("top"),
              "");
    // A fresh object's record is all zero.
    const TConfigFalmor fresh;
    EXPECT_EQ(fresh.Config.BoardId, 0);
    EXPECT_EQ(fresh.Config.HsmcVoltage, 0);
}
