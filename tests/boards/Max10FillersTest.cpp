// The pin fillers of the MAX 10 boards Yelden, Brovan and Dravel, run
// through their definitions: every group against dump fixtures, the Yelden
// board revisions and header modes, the Brovan and Dravel headers.

#include "boards/BoardDump.h"

#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/max10/BrovanConfig.h"
#include "boards/max10/BrovanId.h"
#include "boards/max10/CONFIG_DRAVEL.h"
#include "boards/max10/ConfigDravel.h"
#include "boards/max10/DravelId.h"
#include "boards/max10/YeldenConfig.h"
#include "boards/max10/YeldenId.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

using boardtest::ConnectorNames;
using boardtest::FindConnector;

namespace {

using Record = std::vector<std::uint8_t>;

Record Defaults(BoardId id) {
    const BoardDef& def = *FindBoard(id);
    Record record(def.record.size);
    SetDefaultRecord(def, record);
    return record;
}

Record AllTicked(BoardId id) {
    Record record = Defaults(id);
    for (const std::size_t offset : FindBoard(id)->peripherals) {
        record[offset] = 1;
    }
    return record;
}

Record NothingTicked(BoardId id) {
    Record record = Defaults(id);
    for (const std::size_t offset : FindBoard(id)->peripherals) {
        record[offset] = 0;
    }
    return record;
}

std::unique_ptr<TMainBoard> Fill(BoardId id, const Record& record) {
    auto board = std::make_unique<TMainBoard>();
    FillBoard(*FindBoard(id), *board, record);
    return board;
}

const TPin* FindPin(const TMainBoard& board, const std::string& name) {
    for (int c = 0; c < board.GetConnectorCount(); ++c) {
        const TConnector& connector = *board.GetConnector(c);
        for (int i = 0; i < connector.GetPinCount(); ++i) {
            const TPin* pin = connector.GetPin(i);
            if (pin && pin->GetName() == name) {
                return pin;
            }
        }
    }
    return nullptr;
}

Record Yelden(int mode, int revision) {
    Record record = AllTicked(MAINBOARD_YELDEN);
    record[offsetof(YELDEN_CONFIG, nBbbModeIndex)] = static_cast<std::uint8_t>(mode);
    record[offsetof(YELDEN_CONFIG, nBoardRevIndex)] = static_cast<std::uint8_t>(revision);
    return record;
}

TEST(YeldenFiller, EveryGroupMatchesTheFixture) {
    const auto board = Fill(MAINBOARD_YELDEN, Yelden(0, 2));
    boardtest::ExpectFixture(*board, "yelden_all");
    EXPECT_EQ(board->GetBoardId(), 26);
    EXPECT_EQ(board->GetSpeedGradeText(), "6");
    for (int c = 0; c < board->GetConnectorCount(); ++c) {
        EXPECT_FALSE(board->GetConnector(c)->GetIsExpansion());
    }
}

TEST(YeldenFiller, HeaderGroupsMatchTheFixtures) {
    const char* const fixtures[] = {"yelden_bbb_default", "yelden_bbb_wifi_ble",
                                    "yelden_bbb_mode7"};
    for (int mode = 1; mode <= 3; ++mode) {
        SCOPED_TRACE(fixtures[mode - 1]);
        const auto board = Fill(MAINBOARD_YELDEN, Yelden(mode, 2));
        const TConnector* header = FindConnector(*board, "BBB Conector");
        ASSERT_NE(header, nullptr);
        EXPECT_EQ(board->GetConnector(board->GetConnectorCount() - 1), header);
        boardtest::ExpectFixture(*header, fixtures[mode - 1]);
    }
}

// Mode index 0..4 against revision 0..2: the header group's size and ends,
// and the pins the revisions move.
TEST(YeldenFiller, ModesAgainstRevisions) {
    struct Mode {
        int pins;
        const char* first;
        const char* last; // the last header pin before the two board pins
    };
    const Mode modes[] = {
        {0, "", ""},
        {69, "GPIO0_D[0]", "GPIO1_D[22]"},
        {32, "BLE_DIO6", "BLE_DIO15"},
        {69, "gpio1[6]", "gpio0[7]"},
        {69, "gpio1[6]", "gpio0[7]"}, // 4 and above: BBB Mode 7
    };
    struct Revision {
        const char* ddr3A3;
        const char* odt;
        int gsensorPins;
        const char* hdmiClock;
        IoStd hdmiStandard;
    };
    const Revision revisions[] = {
        {"F18", "F21", 2, "D6", IOSTD_1V2},
        {"F18", "F21", 2, "A20", IOSTD_1V8},
        {"C20", "G22", 6, "A20", IOSTD_1V8},
    };
    for (int mode = 0; mode <= 4; ++mode) {
        for (int revision = 0; revision <= 2; ++revision) {
            SCOPED_TRACE("mode " + std::to_string(mode) + ", revision " + std::to_string(revision));
            const auto board = Fill(MAINBOARD_YELDEN, Yelden(mode, revision));
            const TConnector* header = FindConnector(*board, "BBB Conector");
            const Mode& m = modes[mode];
            if (m.pins == 0) {
                EXPECT_EQ(header, nullptr);
                EXPECT_EQ(board->GetConnectorCount(), 18);
            } else {
                ASSERT_NE(header, nullptr);
                ASSERT_EQ(header->GetPinCount(), m.pins);
                EXPECT_EQ(header->GetPin(0)->GetName(), m.first);
                EXPECT_EQ(header->GetPin(m.pins - 3)->GetName(), m.last);
                EXPECT_EQ(header->GetPin(m.pins - 2)->GetName(), "BBB_PWR_BUT");
                EXPECT_EQ(header->GetPin(m.pins - 1)->GetName(), "BBB_SYS_RESET_n");
            }
            const Revision& r = revisions[revision];
            EXPECT_EQ(FindPin(*board, "DDR3_A[3]")->GetLocation(), r.ddr3A3);
            EXPECT_EQ(FindPin(*board, "DDR3_ODT")->GetLocation(), r.odt);
            const TConnector* gsensor = FindConnector(*board, "G-Sensor");
            ASSERT_NE(gsensor, nullptr);
            EXPECT_EQ(gsensor->GetPinCount(), r.gsensorPins);
            const TPin* hdmiClock = FindPin(*board, "HDMI_TX_CLK");
            EXPECT_EQ(hdmiClock->GetLocation(), r.hdmiClock);
            EXPECT_EQ(hdmiClock->GetIoStandard(), r.hdmiStandard);
        }
    }
    // The earlier revisions' G-Sensor pins, and their DDR3 pins in place.
    const auto revA = Fill(MAINBOARD_YELDEN, Yelden(0, 0));
    const TConnector& gsensor = *FindConnector(*revA, "G-Sensor");
    EXPECT_EQ(gsensor.GetPin(0)->GetName(), "GSENSOR_PD");
    EXPECT_EQ(gsensor.GetPin(1)->GetLocation(), "AA5");
    const TConnector& sdram = *FindConnector(*revA, "SDRAM");
    EXPECT_EQ(sdram.GetPin(3)->GetName(), "DDR3_A[3]");
    EXPECT_EQ(FindPin(*revA, "DDR3_BA[0]")->GetLocation(), "E19");
    EXPECT_EQ(FindPin(*revA, "DDR3_CS_n")->GetLocation(), "F20");
    // A revision outside 0..2 is revision C.
    Record odd = Yelden(0, 0);
    odd[offsetof(YELDEN_CONFIG, nBoardRevIndex)] = 7;
    EXPECT_EQ(FindPin(*Fill(MAINBOARD_YELDEN, odd), "DDR3_A[3]")->GetLocation(), "C20");
}

// WIFI-BLE leaves out the located pins without a signal: P9 14, 16 and 41.
TEST(YeldenFiller, WifiBleSkipsLocatedPinsWithoutSignal) {
    const auto board = Fill(MAINBOARD_YELDEN, Yelden(2, 2));
    const TConnector& header = *FindConnector(*board, "BBB Conector");
    for (int i = 0; i < header.GetPinCount(); ++i) {
        const std::string& location = header.GetPin(i)->GetLocation();
        EXPECT_NE(location, "W7");
        EXPECT_NE(location, "V8");
        EXPECT_NE(location, "V17");
    }
}

TEST(Max10Fillers, NothingTickedLeavesTheDeviceAlone) {
    for (const BoardId id : {MAINBOARD_YELDEN, MAINBOARD_BROVAN, MAINBOARD_DRAVEL}) {
        const auto board = Fill(id, NothingTicked(id));
        EXPECT_EQ(board->GetConnectorCount(), 0) << BoardNumber(id);
        EXPECT_EQ(board->GetFamily(), "MAX 10 FPGA");
    }
}

TEST(BrovanFiller, EveryGroupMatchesTheFixture) {
    const auto board = Fill(MAINBOARD_BROVAN, AllTicked(MAINBOARD_BROVAN));
    boardtest::ExpectFixture(*board, "brovan_all");
    EXPECT_EQ(board->GetBoardId(), 30);
    EXPECT_EQ(board->GetSpeedGradeText(), "6");
    // The defaults leave DDR3, Ethernet, MIPI and the LCD panel off.
    const auto defaults = Fill(MAINBOARD_BROVAN, Defaults(MAINBOARD_BROVAN));
    int pins = 0;
    for (int c = 0; c < defaults->GetConnectorCount(); ++c) {
        pins += defaults->GetConnector(c)->GetPinCount();
    }
    EXPECT_EQ(defaults->GetConnectorCount(), 16);
    EXPECT_EQ(pins, 129);
}

// The Bluetooth card on the 2x6 header: its names after the prefix, its
// directions, the header's 3.3-V LVTTL.
TEST(BrovanFiller, ErganHeaderTakesTheCard) {
    Record record = NothingTicked(MAINBOARD_BROVAN);
    BROVAN_CONFIG config = RecordAs<BROVAN_CONFIG>(record);
    config.nErganDaughterId = 73;
    StoreRecord(record, config);
    const auto filled = Fill(MAINBOARD_BROVAN, record);
    ASSERT_EQ(ConnectorNames(*filled), std::vector<std::string>{"Ergan 2x6 GPIO Header"});
    const TConnector& header = *filled->GetConnector(0);
    EXPECT_EQ(header.GetDescription(), "Ergan connect to Ergan Bluetooth SPP");
    EXPECT_EQ(header.GetType(), CONNECTOR_ERGAN_2x6);
    EXPECT_EQ(header.GetConnectorId(), CONNECTOR_ID_ERGAN);
    ASSERT_EQ(header.GetPinCount(), 8);
    EXPECT_EQ(header.GetPin(0)->GetName(), "GPIO[0]");
    EXPECT_EQ(header.GetPin(7)->GetLocation(), "W16");

    SetRecordFieldText(record, offsetof(BROVAN_CONFIG, szErganPrefixName), "BT_");
    const auto board = BuildBoardModel(*FindBoard(MAINBOARD_BROVAN), record);
    const TConnector& merged = *board->GetConnector(0);
    bool uartRx = false;
    for (int i = 0; i < merged.GetPinCount(); ++i) {
        if (const TPin* pin = merged.GetPin(i)) {
            EXPECT_EQ(pin->GetName().rfind("BT_", 0), 0u) << pin->GetName();
            EXPECT_EQ(pin->GetIoStandard(), IOSTD_3V3_LVTTL) << pin->GetName();
            EXPECT_NE(pin->GetDirection(), PIN_DIR_FROM_CARD) << pin->GetName();
            uartRx = uartRx || pin->GetName() == "BT_WOLLE_UART_RX";
        }
    }
    EXPECT_TRUE(uartRx);
}

TEST(DravelFiller, EveryGroupMatchesTheFixture) {
    const auto board = Fill(MAINBOARD_DRAVEL, AllTicked(MAINBOARD_DRAVEL));
    boardtest::ExpectFixture(*board, "dravel_all");
    EXPECT_EQ(board->GetBoardId(), 32);
    EXPECT_EQ(board->GetSpeedGradeText(), "7");
    ASSERT_NE(board->m_pConfigBoard, nullptr);
    EXPECT_EQ(board->m_pConfigBoard, board->m_OwnedConfigBoard.get());
}

// A card gives the header: 36 positions at 3.3-V LVTTL, four empty; the
// card's pins keep that standard after the attach at 2.5 V.
TEST(DravelFiller, HeaderKeepsItsStandardUnderTheCard) {
    Record record = NothingTicked(MAINBOARD_DRAVEL);
    record[offsetof(DRAVEL_CONFIG, nGpioDaughterId)] = 1;
    const auto filled = Fill(MAINBOARD_DRAVEL, record);
    ASSERT_EQ(ConnectorNames(*filled), std::vector<std::string>{"GPIO"});
    const TConnector& header = *filled->GetConnector(0);
    EXPECT_EQ(header.GetConnectorId(), CONNECTOR_ID_GPIO_0);
    EXPECT_EQ(header.GetType(), CONNECTOR_GPIO40);
    EXPECT_EQ(header.GetDescription(), "GPIO connect to " + BoardName(CARD_GPIO_DEFAULT));
    ASSERT_EQ(header.GetPinCount(), 40);
    EXPECT_EQ(header.GetActivePinCount(), 36);
    for (const int empty : {11, 12, 29, 30}) {
        EXPECT_EQ(header.GetPin(empty - 1), nullptr) << empty;
    }

    const auto board = BuildBoardModel(*FindBoard(MAINBOARD_DRAVEL), record);
    const TConnector& merged = *board->GetConnector(0);
    for (int i = 0; i < merged.GetPinCount(); ++i) {
        if (const TPin* pin = merged.GetPin(i)) {
            EXPECT_EQ(pin->GetIoStandard(), IOSTD_3V3_LVTTL) << pin->GetName();
            EXPECT_NE(pin->GetDirection(), PIN_DIR_FROM_CARD) << pin->GetName();
        }
    }
}

// The filler keeps the settings object it is given.
TEST(DravelFiller, KeepsTheSettingsObject) {
    TConfigDravel settings;
    const Record record = Defaults(MAINBOARD_DRAVEL);
    std::memcpy(&settings.Config, record.data(), record.size());
    TMainBoard board;
    CONFIG_DRAVEL(&board, &settings);
    EXPECT_EQ(board.m_pConfigBoard, &settings);
    EXPECT_EQ(board.GetConnectorCount(), 9);
}

} // namespace
