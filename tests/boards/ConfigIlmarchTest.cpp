#include "boards/cyclone5/CONFIG_ILMARCH.h"
#include "boards/cyclone5/IlmarchId.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

using namespace ilmarch;

namespace {

ILMARCH_CONFIG Record(std::uint8_t card0 = 0, std::uint8_t card1 = 0) {
    ILMARCH_CONFIG config;
    SetIlmarchDefaultConfig(config);
    config.nGpioDaughterId[GPIO_0] = card0;
    config.nGpioDaughterId[GPIO_1] = card1;
    return config;
}

ILMARCH_CONFIG NothingTicked() {
    ILMARCH_CONFIG config = Record();
    for (auto option : kIlmarchOptionBytes) {
        config.*option = 0;
    }
    return config;
}

std::vector<std::string> GroupNames(const TMainBoard& board) {
    std::vector<std::string> names;
    for (int i = 0; i < board.GetConnectorCount(); ++i) {
        names.push_back(board.GetConnector(i)->GetName());
    }
    return names;
}

const TPin* FindPin(const TMainBoard& board, const std::string& name) {
    for (int i = 0; i < board.GetConnectorCount(); ++i) {
        const TConnector* c = board.GetConnector(i);
        for (int j = 0; j < c->GetPinCount(); ++j) {
            if (c->GetPin(j) && c->GetPin(j)->GetName() == name) {
                return c->GetPin(j);
            }
        }
    }
    return nullptr;
}

std::vector<int> EmptyPositions(const TConnector& c) {
    std::vector<int> positions;
    for (int i = 0; i < c.GetPinCount(); ++i) {
        if (!c.GetPin(i)) {
            positions.push_back(i + 1);
        }
    }
    return positions;
}

} // namespace

TEST(CONFIG_ILMARCH, DeviceDataAndRecordCopy) {
    TMainBoard board;
    ILMARCH_CONFIG config = Record();
    config.Align2[1] = 0x77;
    CONFIG_ILMARCH(&board, config);
    EXPECT_EQ(board.GetFamily(), "Cyclone V");
    EXPECT_EQ(board.GetDevice(), "5CGXFC9D6F27C7");
    EXPECT_EQ(board.GetPackage(), "FBGA");
    EXPECT_EQ(board.GetPinCount(), 672);
    EXPECT_EQ(board.GetSpeedGrade(), 0);
    EXPECT_EQ(board.GetSpeedGradeText(), "C7");
    EXPECT_EQ(board.GetBoardId(), 37);
    EXPECT_EQ(std::memcmp(board.m_BoardRecord.bytes.data(), &config, sizeof config), 0);
}

TEST(CONFIG_ILMARCH, EveryGroupInOrder) {
    TMainBoard board;
    CONFIG_ILMARCH(&board, Record());
    const std::vector<std::string> names = {
        "CLOCK", "Buttons",     "Swtiches",          "LED",  "HEX0", "HEX1", "FAN", "SDRAM",
        "DDR3",  "Uart to Usb", "Arduino Interface", "PCIE", "SMA"};
    const std::vector<int> sizes = {6, 5, 4, 4, 8, 8, 1, 39, 72, 4, 20, 13, 2};
    ASSERT_EQ(GroupNames(board), names);
    int total = 0;
    for (int i = 0; i < board.GetConnectorCount(); ++i) {
        const TConnector* c = board.GetConnector(i);
        SCOPED_TRACE(c->GetName());
        EXPECT_EQ(c->GetPinCount(), sizes[static_cast<std::size_t>(i)]);
        EXPECT_EQ(c->GetDescription(), "");
        EXPECT_EQ(c->GetType(), CONNECTOR_NONE);
        EXPECT_EQ(c->GetCardId(), -1);
        EXPECT_FALSE(c->GetIsExpansion());
        total += c->GetPinCount();
    }
    EXPECT_EQ(total, 186);
}

TEST(CONFIG_ILMARCH, PinSamples) {
    TMainBoard board;
    CONFIG_ILMARCH(&board, Record());
    struct Case {
        const char* name;
        const char* location;
        PinDirection direction;
        IoStd standard;
        const char* frequency; // empty: no clock
    };
    const Case cases[] = {
        {"CLOCK_50_B3B", "T13", PIN_DIR_INPUT, IOSTD_1V5, "50.000000 MHz"},
        {"CLOCK_50_B4A", "U12", PIN_DIR_INPUT, IOSTD_1V5, "50.000000 MHz"},
        {"CLOCK_50_B8A", "N9", PIN_DIR_INPUT, IOSTD_3V3_LVTTL, "50.000000 MHz"},
        {"CPU_RESET_n", "AB24", PIN_DIR_INPUT, IOSTD_3V3_LVTTL, ""},
        {"KEY[0]", "M21", PIN_DIR_INPUT, IOSTD_3V3_LVTTL, ""},
        {"KEY[3]", "G26", PIN_DIR_INPUT, IOSTD_3V3_LVTTL, ""},
        {"SW[3]", "H19", PIN_DIR_INPUT, IOSTD_3V3_LVTTL, ""},
        {"LED[2]", "Y24", PIN_DIR_OUTPUT, IOSTD_3V3_LVTTL, ""},
        {"HEX0[6]", "U26", PIN_DIR_OUTPUT, IOSTD_3V3_LVTTL, ""},
        {"HEX1_DP", "V25", PIN_DIR_OUTPUT, IOSTD_3V3_LVTTL, ""},
        {"HEX1[3]", "AC22", PIN_DIR_OUTPUT, IOSTD_3V3_LVTTL, ""},
        {"FAN_CTRL", "AD7", PIN_DIR_OUTPUT, IOSTD_3V3_LVTTL, ""},
        {"DRAM_ADDR[12]", "M25", PIN_DIR_OUTPUT, IOSTD_3V3_LVTTL, ""},
        {"DRAM_DQ[15]", "M22", PIN_DIR_INOUT, IOSTD_3V3_LVTTL, ""},
        {"DRAM_RAS_n", "E26", PIN_DIR_OUTPUT, IOSTD_3V3_LVTTL, ""},
        {"DDR3_ADDR[14]", "W11", PIN_DIR_OUTPUT, IOSTD_SSTL15_I, ""},
        {"DDR3_CK_n", "P10", PIN_DIR_OUTPUT, IOSTD_DIFF_1V5_SSTL_I, ""},
        {"DDR3_DQS_n[3]", "W17", PIN_DIR_INOUT, IOSTD_DIFF_1V5_SSTL_I, ""},
        {"DDR3_DQ[0]", "AA14", PIN_DIR_INOUT, IOSTD_SSTL15_I, ""},
        {"DDR3_DQ[31]", "AF23", PIN_DIR_INOUT, IOSTD_SSTL15_I, ""},
        {"DDR3_DM[3]", "AE24", PIN_DIR_OUTPUT, IOSTD_SSTL15_I, ""},
        {"DDR3_RZQ", "AE11", PIN_DIR_INPUT, IOSTD_1V5, ""},
        {"UART_CTS", "W25", PIN_DIR_INPUT, IOSTD_3V3_LVTTL, ""},
        {"ADC_SDO", "AB26", PIN_DIR_INPUT, IOSTD_3V3_LVTTL, ""},
        {"ARD_IO[15]", "AA24", PIN_DIR_INOUT, IOSTD_3V3_LVTTL, ""},
        {"PCIE_REFCLK_p", "V6", PIN_DIR_INPUT, IOSTD_HCSL, "100.000000 MHz"},
        {"PCIE_TX_p[3]", "W4", PIN_DIR_OUTPUT, IOSTD_1V5_PCML, ""},
        {"PCIE_RX_p[0]", "AD2", PIN_DIR_INPUT, IOSTD_1V5_PCML, ""},
        {"PCIE_WAKE_n", "Y8", PIN_DIR_INOUT, IOSTD_3V3_LVTTL, ""},
        {"SMA_CLKIN", "T21", PIN_DIR_INPUT, IOSTD_3V3_LVTTL, ""},
        {"SMA_CLKOUT", "Y25", PIN_DIR_OUTPUT, IOSTD_3V3_LVTTL, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TPin* pin = FindPin(board, c.name);
        ASSERT_NE(pin, nullptr);
        EXPECT_EQ(pin->GetLocation(), c.location);
        EXPECT_EQ(pin->GetDirection(), c.direction);
        EXPECT_EQ(pin->GetIoStandard(), c.standard);
        EXPECT_EQ(pin->GetFrequency(), c.frequency);
        EXPECT_EQ(pin->IsClockPin(), *c.frequency != '\0');
        EXPECT_EQ(pin->GetPinIndex(), -1);
    }
    // The first pin of each seven-segment group is its decimal point.
    EXPECT_EQ(board.GetConnector(4)->GetPin(0)->GetName(), "HEX0_DP");
    EXPECT_EQ(board.GetConnector(5)->GetPin(0)->GetName(), "HEX1_DP");
}

TEST(CONFIG_ILMARCH, NoLocationIsUsedTwice) {
    TMainBoard board;
    CONFIG_ILMARCH(&board, Record(1, 1));
    std::set<std::string> seen;
    std::set<std::string> names;
    for (int i = 0; i < board.GetConnectorCount(); ++i) {
        const TConnector* c = board.GetConnector(i);
        for (int j = 0; j < c->GetPinCount(); ++j) {
            if (const TPin* pin = c->GetPin(j)) {
                EXPECT_TRUE(seen.insert(pin->GetLocation()).second) << pin->GetLocation();
                if (!pin->GetName().empty()) {
                    EXPECT_TRUE(names.insert(pin->GetName()).second) << pin->GetName();
                }
            }
        }
    }
    EXPECT_EQ(seen.size(), 186u + 72u);
}

TEST(CONFIG_ILMARCH, EachOptionByteAddsItsGroups) {
    struct Case {
        std::uint8_t ILMARCH_CONFIG::*option;
        std::vector<std::string> groups;
    };
    const Case cases[] = {
        {&ILMARCH_CONFIG::OSC, {"CLOCK"}},
        {&ILMARCH_CONFIG::LED, {"LED"}},
        {&ILMARCH_CONFIG::Button, {"Buttons"}},
        {&ILMARCH_CONFIG::Switch, {"Swtiches"}},
        {&ILMARCH_CONFIG::Seg7, {"HEX0", "HEX1"}},
        {&ILMARCH_CONFIG::SDRAM, {"SDRAM"}},
        {&ILMARCH_CONFIG::DDR3, {"DDR3"}},
        {&ILMARCH_CONFIG::Uart2USB, {"Uart to Usb"}},
        {&ILMARCH_CONFIG::SmaClock, {"SMA"}},
        {&ILMARCH_CONFIG::Arduino, {"Arduino Interface"}},
        {&ILMARCH_CONFIG::Fan, {"FAN"}},
        {&ILMARCH_CONFIG::PCIe, {"PCIE"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.groups[0]);
        ILMARCH_CONFIG config = NothingTicked();
        config.*c.option = 1;
        TMainBoard board;
        CONFIG_ILMARCH(&board, config);
        EXPECT_EQ(GroupNames(board), c.groups);
    }

    TMainBoard empty;
    CONFIG_ILMARCH(&empty, NothingTicked());
    EXPECT_EQ(empty.GetConnectorCount(), 0);
}

TEST(CONFIG_ILMARCH, FortyPinHeaders) {
    struct Case {
        std::uint8_t card0, card1;
        std::vector<std::string> expansions;
    };
    const Case cases[] = {
        {1, 0, {"GPIO_0"}},
        {0, 12, {"GPIO_1"}},
        {82, 1, {"GPIO_0", "GPIO_1"}},
    };
    for (const Case& c : cases) {
        ILMARCH_CONFIG config = NothingTicked();
        config.nGpioDaughterId[GPIO_0] = c.card0;
        config.nGpioDaughterId[GPIO_1] = c.card1;
        TMainBoard board;
        CONFIG_ILMARCH(&board, config);
        ASSERT_EQ(GroupNames(board), c.expansions);
        for (int i = 0; i < board.GetConnectorCount(); ++i) {
            const TConnector* conn = board.GetConnector(i);
            const int header = conn->GetName() == "GPIO_0" ? 0 : 1;
            const CardId card = MakeCardId(header == 0 ? c.card0 : c.card1);
            SCOPED_TRACE(conn->GetName());
            EXPECT_EQ(conn->GetDescription(),
                      "GPIO_" + std::to_string(header) + " connect to " + BoardName(card));
            EXPECT_EQ(conn->GetType(), CONNECTOR_GPIO40);
            EXPECT_EQ(conn->GetCardId(), -1);
            EXPECT_TRUE(conn->GetIsExpansion());
            EXPECT_EQ(conn->GetConnectorId(), ConnectorIdAt(CONNECTOR_ID_GPIO_0, header));
            EXPECT_EQ(conn->GetPinCount(), 40);
            EXPECT_EQ(EmptyPositions(*conn), (std::vector<int>{11, 12, 29, 30}));
            const TPin* first = conn->GetPin(0);
            EXPECT_EQ(first->GetLocation(), header == 0 ? "G15" : "L8");
            EXPECT_EQ(conn->GetPin(39)->GetLocation(), header == 0 ? "B17" : "J7");
            EXPECT_EQ(conn->GetPin(20)->GetLocation(), header == 0 ? "E20" : "H10");
            EXPECT_EQ(first->GetName(), "");
            EXPECT_EQ(first->GetDirection(), PIN_DIR_FROM_CARD);
            EXPECT_EQ(first->GetIoStandard(), IOSTD_FROM_CARD);
            EXPECT_FALSE(first->IsClockPin());
        }
    }
}

TEST(CONFIG_ILMARCH, EightyPinCardTakesBothHeaders) {
    TMainBoard board;
    CONFIG_ILMARCH(&board, Record(11, 11));
    ASSERT_EQ(board.GetConnectorCount(), 14);
    const TConnector* pair = board.GetConnector(13);
    EXPECT_EQ(pair->GetName(), "GPIO_0_1");
    EXPECT_EQ(pair->GetDescription(), "GPIO_0_1 connect to " + BoardName(CARD_OSTEL_GPIO));
    EXPECT_EQ(pair->GetType(), CONNECTOR_GPIO80);
    EXPECT_EQ(pair->GetConnectorId(), CONNECTOR_ID_GPIO_PAIR);
    EXPECT_TRUE(pair->GetIsExpansion());
    EXPECT_EQ(pair->GetPinCount(), 80);
    EXPECT_EQ(pair->GetActivePinCount(), 72);
    EXPECT_EQ(EmptyPositions(*pair), (std::vector<int>{11, 12, 29, 30, 51, 52, 69, 70}));
    EXPECT_EQ(pair->GetPin(40)->GetLocation(), "L8");
    EXPECT_EQ(pair->GetPin(79)->GetLocation(), "J7");
    EXPECT_EQ(board.GetExpansionConnector(CONNECTOR_ID_GPIO_0), nullptr);
    EXPECT_EQ(board.GetExpansionConnector(CONNECTOR_ID_GPIO_1), nullptr);
}

TEST(CONFIG_ILMARCH, ReplacesEarlierConnectors) {
    TMainBoard board;
    board.AddConnector(new TConnector("OLD", "", CONNECTOR_NONE, -1));
    CONFIG_ILMARCH(&board, NothingTicked());
    EXPECT_EQ(board.GetConnectorCount(), 0);
}

TEST(CONFIG_ILMARCHDeathTest, RecordsItCannotTake) {
    TMainBoard board;
    ILMARCH_CONFIG config = Record();
    config.BoardId = 21;
    EXPECT_DEATH(CONFIG_ILMARCH(&board, config), "Config.BoardId == MAINBOARD_ILMARCH");
    config = Record();
    config.Size = 408;
    EXPECT_DEATH(CONFIG_ILMARCH(&board, config), "Config.Size == sizeof\\(ILMARCH_CONFIG\\)");
    EXPECT_DEATH(CONFIG_ILMARCH(&board, Record(11, 0)), "Config.nGpioDaughterId\\[GPIO_1\\]");
}
