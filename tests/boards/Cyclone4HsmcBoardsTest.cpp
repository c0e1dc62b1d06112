// The Cyclone IV boards with a GPIO header and an HSMC connector: Elvory
// (5), Lorsk (13) and Marwen (14). Records, the fillers against dump
// fixtures written from the boards' documentation, Elvory's bank standards
// and voltage rules, Marwen's shared and PCIe groups, the fixed HSMC clock
// input and the "HSMC_" default prefix.

#include "boards/BoardDump.h"

#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/cyclone4/CONFIG_ELVORY.h"
#include "boards/cyclone4/ElvoryConfig.h"
#include "boards/cyclone4/ElvoryId.h"
#include "boards/cyclone4/IstrelId.h"
#include "boards/cyclone4/LorskConfig.h"
#include "boards/cyclone4/LorskId.h"
#include "boards/cyclone4/MarwenConfig.h"
#include "boards/cyclone4/MarwenId.h"
#include "generator/Pinsmith.h"
#include "platform/Files.h"
#include "platform/ScriptedUi.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

using boardtest::ConnectorNames;
using boardtest::FindConnector;

namespace {

constexpr std::size_t kGpioVoltage = offsetof(ELVORY_CONFIG, nGpioVoltageIndex);
constexpr std::size_t kHsmcVoltage = offsetof(ELVORY_CONFIG, nHsmcVoltageIndex);
constexpr std::size_t kElvoryGpio = offsetof(ELVORY_CONFIG, nGpioDaughterId);
constexpr std::size_t kElvoryHsmc = offsetof(ELVORY_CONFIG, nHsmcDaughterId);

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

int PinCount(const TMainBoard& board) {
    int n = 0;
    for (int i = 0; i < board.GetConnectorCount(); ++i) {
        const TConnector& c = *board.GetConnector(i);
        if (c.GetIsExpansion()) {
            continue;
        }
        for (int j = 0; j < c.GetPinCount(); ++j) {
            n += c.GetPin(j) ? 1 : 0;
        }
    }
    return n;
}

const TPin* FindPin(const TMainBoard& board, const std::string& name) {
    for (int i = 0; i < board.GetConnectorCount(); ++i) {
        const TConnector& c = *board.GetConnector(i);
        for (int j = 0; j < c.GetPinCount(); ++j) {
            if (c.GetPin(j) && c.GetPin(j)->GetName() == name) {
                return c.GetPin(j);
            }
        }
    }
    return nullptr;
}

std::vector<std::uint8_t> AllTicked(BoardId id) {
    std::vector<std::uint8_t> record = Defaults(id);
    for (const std::size_t offset : FindBoard(id)->peripherals) {
        record[offset] = 1;
    }
    return record;
}

std::vector<std::uint8_t> NoneTicked(BoardId id) {
    std::vector<std::uint8_t> record = Defaults(id);
    for (const std::size_t offset : FindBoard(id)->peripherals) {
        record[offset] = 0;
    }
    return record;
}

// --- records ---------------------------------------------------------------

TEST(Cyclone4HsmcRecords, DefaultsAndSizes) {
    const std::vector<std::uint8_t> elvory = Defaults(MAINBOARD_ELVORY);
    ASSERT_EQ(elvory.size(), 432u);
    EXPECT_EQ(elvory[0], 5);
    EXPECT_EQ(GetI32(elvory, 4), 432);
    EXPECT_EQ(RecordFieldText(elvory, 8), "ELVORY");
    EXPECT_EQ(GetI32(elvory, kGpioVoltage), 0);
    EXPECT_EQ(GetI32(elvory, kHsmcVoltage), 1);
    for (std::size_t o = 136; o < 158; ++o) {
        EXPECT_EQ(elvory[o], 1) << o;
    }

    const std::vector<std::uint8_t> lorsk = Defaults(MAINBOARD_LORSK);
    ASSERT_EQ(lorsk.size(), 412u);
    EXPECT_EQ(lorsk[0], 13);
    EXPECT_EQ(GetI32(lorsk, 4), 412);
    EXPECT_EQ(RecordFieldText(lorsk, 8), "LORSK");
    for (std::size_t o = 136; o < 152; ++o) {
        EXPECT_EQ(lorsk[o], 1) << o;
    }
    EXPECT_EQ(lorsk[offsetof(LORSK_CONFIG, bLCD)], 0);

    const std::vector<std::uint8_t> marwen = Defaults(MAINBOARD_MARWEN);
    ASSERT_EQ(marwen.size(), 424u);
    EXPECT_EQ(marwen[0], 14);
    EXPECT_EQ(GetI32(marwen, 4), 424);
    EXPECT_EQ(RecordFieldText(marwen, 8), "Marwen");
    for (std::size_t o = 136; o < 154; ++o) {
        EXPECT_EQ(marwen[o], 1) << o;
    }
    EXPECT_EQ(marwen[offsetof(MARWEN_CONFIG, bPCIeHardIP)], 0);
    EXPECT_EQ(marwen[offsetof(MARWEN_CONFIG, bPCIeSoftIP)], 0);
}

// A file is taken only at the record's size with the board's id and size;
// what is taken comes back byte for byte, reserved bytes included.
TEST(Cyclone4HsmcRecords, SettingsFilesRoundTrip) {
    TempDir dir;
    for (const BoardId id : {MAINBOARD_ELVORY, MAINBOARD_LORSK, MAINBOARD_MARWEN}) {
        SCOPED_TRACE(BoardNumber(id));
        const BoardDef& def = *FindBoard(id);
        std::vector<std::uint8_t> own = Defaults(id);
        own[1] = 0x5a; // reserved, kept as read
        own[def.ports[1].cardOffset] = 2;
        SetRecordFieldText(own, def.ports[1].prefixOffset, "X_");
        if (id == MAINBOARD_MARWEN) {
            own[290] = 0x77;
        }
        const auto write = [&](const std::string& name, const std::vector<std::uint8_t>& bytes) {
            const std::string file = dir.File(name);
            EXPECT_TRUE(platform::WriteWholeFile(file, std::string(bytes.begin(), bytes.end()))
                            .Complete(bytes.size()));
            return file;
        };
        std::vector<std::uint8_t> shortFile(own.begin(), own.end() - 1);
        std::vector<std::uint8_t> foreign = own;
        foreign[0] = BoardNumber(MAINBOARD_ISTREL);
        std::vector<std::uint8_t> record(def.record.size, 0xee);
        EXPECT_FALSE(LoadBoardRecord(def, write("short.cfg", shortFile), record));
        EXPECT_FALSE(LoadBoardRecord(def, write("foreign.cfg", foreign), record));
        EXPECT_EQ(record, std::vector<std::uint8_t>(def.record.size, 0xee));
        ASSERT_TRUE(LoadBoardRecord(def, write("own.cfg", own), record));
        MendRecord(def, record);
        EXPECT_EQ(record, own);
    }
}

// Decision of the board: an index outside 0..3 in a file becomes the
// default (GPIO 3.3 V, HSMC 2.5 V); a GPIO card at a voltage other than
// 3.3 V is dropped, its prefix kept for the voltage's own card.
TEST(Cyclone4HsmcRecords, ElvoryMendsVoltagesAndTheHeaderCard) {
    const BoardDef& def = *FindBoard(MAINBOARD_ELVORY);
    struct Case {
        std::int32_t gpio, hsmc;
        std::int32_t wantGpio, wantHsmc;
        int wantCard;
    };
    const Case cases[] = {{-1, 4, 0, 1, 12}, {7, -3, 0, 1, 12}, {3, 0, 3, 0, 0}, {0, 3, 0, 3, 12}};
    for (const Case& c : cases) {
        std::vector<std::uint8_t> record = Defaults(MAINBOARD_ELVORY);
        SetI32(record, kGpioVoltage, c.gpio);
        SetI32(record, kHsmcVoltage, c.hsmc);
        record[kElvoryGpio] = 12;
        SetRecordFieldText(record, kElvoryGpio + 1, "CAM_");
        MendRecord(def, record);
        EXPECT_EQ(GetI32(record, kGpioVoltage), c.wantGpio) << c.gpio;
        EXPECT_EQ(GetI32(record, kHsmcVoltage), c.wantHsmc) << c.hsmc;
        EXPECT_EQ(record[kElvoryGpio], c.wantCard) << c.gpio;
        EXPECT_EQ(RecordFieldText(record, kElvoryGpio + 1), "CAM_");
    }
}

// --- fillers ---------------------------------------------------------------

TEST(Cyclone4HsmcFillers, EveryGroupAndBothConnectorsMatchTheFixtures) {
    std::vector<std::uint8_t> elvory = AllTicked(MAINBOARD_ELVORY);
    SetI32(elvory, kGpioVoltage, 2);
    elvory[kElvoryHsmc] = 17;
    // The filler takes the voltage's card from the definition's step.
    boardtest::ExpectFixture(*Filled(MAINBOARD_ELVORY, elvory), "elvory_all_1v8");

    std::vector<std::uint8_t> lorsk = AllTicked(MAINBOARD_LORSK);
    lorsk[offsetof(LORSK_CONFIG, nGpioDaughterId)] = 1;
    lorsk[offsetof(LORSK_CONFIG, nHsmcDaughterId)] = 2;
    boardtest::ExpectFixture(*Filled(MAINBOARD_LORSK, lorsk), "lorsk_all");

    std::vector<std::uint8_t> marwen = AllTicked(MAINBOARD_MARWEN);
    marwen[offsetof(MARWEN_CONFIG, nGpioDaughterId)] = 1;
    marwen[offsetof(MARWEN_CONFIG, nHsmcDaughterId)] = 2;
    boardtest::ExpectFixture(*Filled(MAINBOARD_MARWEN, marwen), "marwen_all");
}

TEST(Cyclone4HsmcFillers, GroupAndPinCountsOfTheDefaults) {
    struct Case {
        BoardId id;
        bool allTicked;
        int groups, pins;
    };
    const Case cases[] = {
        {MAINBOARD_ELVORY, false, 23, 400},
        {MAINBOARD_LORSK, false, 17, 268},
        {MAINBOARD_LORSK, true, 18, 281},
        {MAINBOARD_MARWEN, false, 20, 339},
    };
    for (const Case& c : cases) {
        const auto board = Filled(c.id, c.allTicked ? AllTicked(c.id) : Defaults(c.id));
        EXPECT_EQ(board->GetConnectorCount(), c.groups) << BoardNumber(c.id);
        EXPECT_EQ(PinCount(*board), c.pins) << BoardNumber(c.id);
        EXPECT_EQ(board->GetPinCount(), c.id == MAINBOARD_MARWEN ? 896 : 780);
    }
}

// Which standard the pins on the connectors' banks take, by the voltages
// and the HSMC card (the record the filler sees holds the voltage's GPIO
// card).
TEST(Cyclone4HsmcFillers, ElvoryBankStandards) {
    struct Case {
        const char* what;
        std::int32_t gpioVoltage, hsmcVoltage;
        int hsmcCard;
        IoStd gpioBank, hsmcBank;
    };
    const Case cases[] = {
        {"defaults", 0, 1, 0, IOSTD_3V3_LVTTL, IOSTD_3V3_LVTTL},
        {"HSMC card at 2.5 V", 0, 1, 2, IOSTD_3V3_LVTTL, IOSTD_2V5},
        {"1.5 V without a card", 0, 3, 0, IOSTD_3V3_LVTTL, IOSTD_1V5},
        {"GPIO 1.8 V", 2, 1, 0, IOSTD_1V8, IOSTD_3V3_LVTTL},
        {"GPIO 2.5 V, HSMC 3.3 V with card 57", 1, 0, 57, IOSTD_2V5, IOSTD_3V3_LVTTL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::uint8_t> record = Defaults(MAINBOARD_ELVORY);
        SetI32(record, kGpioVoltage, c.gpioVoltage);
        SetI32(record, kHsmcVoltage, c.hsmcVoltage);
        record[kElvoryHsmc] = static_cast<std::uint8_t>(c.hsmcCard);
        const auto board = Filled(MAINBOARD_ELVORY, record);
        for (const char* pin : {"CLOCK3_50", "SMA_CLKOUT", "HEX3[2]", "HEX5[3]", "HEX7[5]"}) {
            ASSERT_NE(FindPin(*board, pin), nullptr) << pin;
            EXPECT_EQ(FindPin(*board, pin)->GetIoStandard(), c.gpioBank) << pin;
        }
        for (const char* pin : {"KEY[0]", "SW[17]", "HEX0[3]", "HEX2[6]", "HEX3[1]"}) {
            ASSERT_NE(FindPin(*board, pin), nullptr) << pin;
            EXPECT_EQ(FindPin(*board, pin)->GetIoStandard(), c.hsmcBank) << pin;
        }
        for (const char* pin : {"HEX7[6]", "CLOCK_50", "ENETCLK_25", "ENET0_LINK100"}) {
            EXPECT_EQ(FindPin(*board, pin)->GetIoStandard(), IOSTD_3V3_LVTTL) << pin;
        }
        for (const char* pin : {"HEX0[2]", "LEDR[0]", "ENET1_MDIO"}) {
            EXPECT_EQ(FindPin(*board, pin)->GetIoStandard(), IOSTD_2V5) << pin;
        }
        // The GPIO header's connector is there exactly at a non-default
        // GPIO voltage, named after the voltage's card.
        const TConnector* gpio = FindConnector(*board, "GPIO");
        EXPECT_EQ(gpio != nullptr, c.gpioVoltage != 0);
        if (c.gpioVoltage == 2) {
            EXPECT_EQ(gpio->GetDescription(), "GPIO connect to GPIO Default - 1.8V");
        }
    }
}

TEST(Cyclone4HsmcFillers, ElvoryEthernetClockAndSharedI2cName) {
    const BoardDef& def = *FindBoard(MAINBOARD_ELVORY);
    const auto names = [&](const std::vector<std::uint8_t>& record) {
        return ConnectorNames(*Filled(MAINBOARD_ELVORY, record));
    };
    const auto has = [](const std::vector<std::string>& list, const std::string& name) {
        return std::find(list.begin(), list.end(), name) != list.end();
    };
    std::vector<std::uint8_t> record = NoneTicked(MAINBOARD_ELVORY);
    record[offsetof(ELVORY_CONFIG, bEthernet1)] = 1;
    auto board = Filled(MAINBOARD_ELVORY, record);
    ASSERT_EQ(ConnectorNames(*board), std::vector<std::string>{"Ethernet 1"});
    EXPECT_EQ(board->GetConnector(0)->GetPin(0)->GetName(), "ENETCLK_25");
    record[offsetof(ELVORY_CONFIG, bEthernet0)] = 1;
    board = Filled(MAINBOARD_ELVORY, record);
    EXPECT_EQ(FindConnector(*board, "Ethernet 0")->GetPin(0)->GetName(), "ENETCLK_25");
    EXPECT_EQ(FindConnector(*board, "Ethernet 1")->GetPin(0)->GetName(), "ENET1_TX_DATA[0]");

    // The shared I2C group: named after its users, ending in a blank.
    EXPECT_TRUE(has(names(Defaults(MAINBOARD_ELVORY)), "I2C for Audio Tv-Decoder "));
    record = NoneTicked(MAINBOARD_ELVORY);
    EXPECT_TRUE(names(record).empty());
    record[kElvoryHsmc] = 2;
    EXPECT_TRUE(has(names(record), "I2C for HSMC "));
    record[offsetof(ELVORY_CONFIG, bTvDecode)] = 1;
    EXPECT_TRUE(has(names(record), "I2C for Tv-Decoder HSMC "));
    (void)def;
}

TEST(Cyclone4HsmcFillers, LorskAudioGroupsAndUnplacedPins) {
    std::vector<std::uint8_t> record = NoneTicked(MAINBOARD_LORSK);
    record[offsetof(LORSK_CONFIG, bAudio)] = 1;
    EXPECT_EQ(ConnectorNames(*Filled(MAINBOARD_LORSK, record)),
              (std::vector<std::string>{"Audio", "I2C for Audio"}));
    record[offsetof(LORSK_CONFIG, bEEPROM)] = 1;
    EXPECT_EQ(ConnectorNames(*Filled(MAINBOARD_LORSK, record)),
              (std::vector<std::string>{"Audio", "I2C for EEPROM", "I2C for Audio"}));
    record[offsetof(LORSK_CONFIG, nHsmcDaughterId)] = 6;
    const auto board = Filled(MAINBOARD_LORSK, record);
    EXPECT_EQ(board->GetExpansionConnector(CONNECTOR_ID_GPIO_0), nullptr);
    ASSERT_NE(board->GetExpansionConnector(CONNECTOR_ID_HSMC_A), nullptr);

    // No pin of the defaults with every box shares a location with another
    // pin or with a header position.
    std::vector<std::uint8_t> all = AllTicked(MAINBOARD_LORSK);
    all[offsetof(LORSK_CONFIG, nGpioDaughterId)] = 1;
    all[offsetof(LORSK_CONFIG, nHsmcDaughterId)] = 2;
    const auto full = Filled(MAINBOARD_LORSK, all);
    std::map<std::string, std::string> seen;
    for (int i = 0; i < full->GetConnectorCount(); ++i) {
        const TConnector& c = *full->GetConnector(i);
        for (int j = 0; j < c.GetPinCount(); ++j) {
            const TPin* pin = c.GetPin(j);
            if (!pin || pin->GetLocation().empty()) {
                continue;
            }
            const std::string who = c.GetName() + ":" + pin->GetName() + std::to_string(j);
            const auto [at, fresh] = seen.emplace(pin->GetLocation(), who);
            EXPECT_TRUE(fresh) << pin->GetLocation() << ": " << at->second << " and " << who;
        }
    }
    for (const char* pin : {"HEX0_DP", "HEX2_DP", "VGA_R[0]", "VGA_B[1]"}) {
        ASSERT_NE(FindPin(*full, pin), nullptr) << pin;
        EXPECT_TRUE(FindPin(*full, pin)->GetLocation().empty()) << pin;
    }
}

TEST(Cyclone4HsmcFillers, MarwenSharedBusPcieAndFan) {
    struct Case {
        const char* what;
        int flash, ssram, hard, soft;
        bool bus;
        int pcie; // pins of the PCIe group, 0 for none
    };
    const Case cases[] = {
        {"nothing", 0, 0, 0, 0, false, 0},   {"flash only", 1, 0, 0, 0, true, 0},
        {"SSRAM only", 0, 1, 0, 0, true, 0}, {"soft IP", 0, 0, 0, 1, false, 3},
        {"hard IP", 0, 0, 1, 0, false, 7},   {"both IPs", 0, 0, 1, 1, false, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::uint8_t> record = NoneTicked(MAINBOARD_MARWEN);
        record[offsetof(MARWEN_CONFIG, bFlash)] = static_cast<std::uint8_t>(c.flash);
        record[offsetof(MARWEN_CONFIG, bSSRAM)] = static_cast<std::uint8_t>(c.ssram);
        record[offsetof(MARWEN_CONFIG, bPCIeHardIP)] = static_cast<std::uint8_t>(c.hard);
        record[offsetof(MARWEN_CONFIG, bPCIeSoftIP)] = static_cast<std::uint8_t>(c.soft);
        const auto board = Filled(MAINBOARD_MARWEN, record);
        const std::vector<std::string> names = ConnectorNames(*board);
        ASSERT_FALSE(names.empty());
        EXPECT_EQ(names.back(), "Fan Control");
        EXPECT_EQ(FindConnector(*board, "Flash") != nullptr, c.flash != 0);
        const TConnector* bus =
            FindConnector(*board, "Data and Address bus shared by Flash & SSRAM");
        EXPECT_EQ(bus != nullptr, c.bus);
        if (bus) {
            EXPECT_EQ(bus->GetPin(0)->GetName(), "FS_ADDR[1]");
            EXPECT_EQ(bus->GetPinCount(), 58);
        }
        const TConnector* pcie = FindConnector(*board, "PCIe");
        EXPECT_EQ(pcie ? pcie->GetPinCount() : 0, c.pcie);
        // The record copy the project text reads.
        EXPECT_EQ(board->m_BoardRecord.U8(offsetof(MARWEN_CONFIG, bPCIeHardIP)), c.hard);
    }
    std::vector<std::uint8_t> hard = Defaults(MAINBOARD_MARWEN);
    hard[offsetof(MARWEN_CONFIG, bPCIeHardIP)] = 1;
    const auto board = Filled(MAINBOARD_MARWEN, hard);
    EXPECT_EQ(board->GetConnectorCount(), 21);
    EXPECT_EQ(PinCount(*board), 346);
}

// --- the definitions' rules -------------------------------------------------

TEST(Cyclone4HsmcRules, CardListsAndStandardsByVoltage) {
    const BoardDef& elvory = *FindBoard(MAINBOARD_ELVORY);
    struct Case {
        std::int32_t voltage;
        std::vector<std::uint8_t> list;
        IoStd standard;
    };
    const std::vector<std::uint8_t> list25 = {0,  2,  6,  7,  8,  10, 14, 17, 18, 19,
                                              27, 28, 29, 31, 32, 33, 35, 36, 61};
    const Case cases[] = {{0, {0, 17, 57, 58, 59}, IOSTD_3V3_LVTTL},
                          {1, list25, IOSTD_2V5},
                          {2, {0, 17}, IOSTD_1V8},
                          {3, {0, 17}, IOSTD_1V5}};
    const std::vector<std::uint8_t> gpioList = {0, 1, 12, 13, 55, 62, 63, 66, 67, 74, 81, 82, 83};
    for (const Case& c : cases) {
        std::vector<std::uint8_t> record = Defaults(MAINBOARD_ELVORY);
        SetI32(record, kHsmcVoltage, c.voltage);
        const std::vector<BoardCardPort> ports = EffectivePorts(elvory, record);
        EXPECT_EQ(PortCardList(ports[1]), c.list) << c.voltage;
        EXPECT_EQ(ports[1].ioStandard, c.standard) << c.voltage;
        EXPECT_EQ(PortCardList(ports[0]), gpioList);
    }
    for (const BoardId id : {MAINBOARD_LORSK, MAINBOARD_MARWEN}) {
        const std::vector<BoardCardPort> ports = EffectivePorts(*FindBoard(id), Defaults(id));
        EXPECT_EQ(PortCardList(ports[0]), gpioList);
        EXPECT_EQ(PortCardList(ports[1]), list25);
        EXPECT_EQ(ports[0].ioStandard, IOSTD_3V3_LVTTL);
        EXPECT_EQ(ports[1].ioStandard, IOSTD_2V5);
    }
}

// Generation: the voltage's GPIO card with the header's prefix at the bank
// standard; the HSMC card at its voltage's standard; position 40 an input at
// the bank standard whatever the card gives; HSMC Default takes "HSMC_".
TEST(Cyclone4HsmcRules, ElvoryAttachesTheVoltageCardsAndKeepsTheClockInput) {
    const BoardDef& def = *FindBoard(MAINBOARD_ELVORY);
    std::vector<std::uint8_t> record = Defaults(MAINBOARD_ELVORY);
    SetI32(record, kGpioVoltage, 2);
    SetI32(record, kHsmcVoltage, 2);
    record[kElvoryHsmc] = 17;
    MendRecord(def, record);
    std::string message;
    ASSERT_TRUE(CheckRecord(def, record, message)) << message;
    const auto board = BuildBoardModel(def, record);
    const TConnector* gpio = board->GetExpansionConnector(CONNECTOR_ID_GPIO_0);
    ASSERT_NE(gpio, nullptr);
    int named = 0;
    for (int i = 0; i < gpio->GetPinCount(); ++i) {
        const TPin* pin = gpio->GetPin(i);
        if (pin && pin->GetDirection() != PIN_DIR_NONE) {
            ++named;
            EXPECT_EQ(pin->GetIoStandard(), IOSTD_1V8) << pin->GetName();
        }
    }
    EXPECT_EQ(named, 36);
    EXPECT_EQ(gpio->GetPin(0)->GetName(), "GPIO[0]");
    const TConnector* hsmc = board->GetExpansionConnector(CONNECTOR_ID_HSMC_A);
    ASSERT_NE(hsmc, nullptr);
    int hsmcSignals = 0;
    for (int i = 0; i < hsmc->GetPinCount(); ++i) {
        const TPin* pin = hsmc->GetPin(i);
        if (pin && pin->GetDirection() != PIN_DIR_NONE) {
            ++hsmcSignals;
            EXPECT_EQ(pin->GetIoStandard(), IOSTD_1V8) << pin->GetName();
        }
    }
    EXPECT_GT(hsmcSignals, 0);
    EXPECT_EQ(FindPin(*board, "KEY[0]")->GetIoStandard(), IOSTD_1V8);

    // A bad GPIO prefix is refused also when the voltage's card takes it.
    SetRecordFieldText(record, kElvoryGpio + 1, "1bad");
    EXPECT_FALSE(CheckRecord(def, record, message));
}

TEST(Cyclone4HsmcRules, HsmcDefaultPrefixAndClockInputAfterAnyMerge) {
    for (const BoardId id : {MAINBOARD_ELVORY, MAINBOARD_LORSK, MAINBOARD_MARWEN}) {
        SCOPED_TRACE(BoardNumber(id));
        const BoardDef& def = *FindBoard(id);
        for (const std::uint8_t card : PortCardList(EffectivePorts(def, Defaults(id))[1])) {
            if (card == 0) {
                continue;
            }
            std::vector<std::uint8_t> record = Defaults(id);
            record[def.ports[1].cardOffset] = card;
            const auto board = BuildBoardModel(def, record);
            const TPin* clockInput = board->GetExpansionConnector(CONNECTOR_ID_HSMC_A)->GetPin(39);
            if (id == MAINBOARD_LORSK) {
                continue;
            }
            if (clockInput->GetDirection() != PIN_DIR_NONE) {
                EXPECT_EQ(clockInput->GetDirection(), PIN_DIR_INPUT) << int(card);
                EXPECT_EQ(clockInput->GetIoStandard(), IOSTD_2V5) << int(card);
            }
        }
        std::vector<std::uint8_t> record = Defaults(id);
        record[def.ports[1].cardOffset] = 2;
        auto board = BuildBoardModel(def, record);
        EXPECT_NE(FindPin(*board, "HSMC_CLKOUT0"), nullptr);
        EXPECT_TRUE(RecordFieldText(record, def.ports[1].prefixOffset).empty());
        SetRecordFieldText(record, def.ports[1].prefixOffset, "X");
        board = BuildBoardModel(def, record);
        EXPECT_NE(FindPin(*board, "XCLKOUT0"), nullptr);
    }
}

// Decision of the board: card 57 (or 58) on a 3.3-V HSMC and the camera card
// on the header, both without prefixes, name the same signals: the project
// writer refuses them.
TEST(Cyclone4HsmcRules, ElvoryFyrnCardsOnBothConnectorsMeetTheDuplicateSignalBox) {
    const BoardDef& def = *FindBoard(MAINBOARD_ELVORY);
    for (const std::uint8_t hsmc : {57, 58}) {
        std::vector<std::uint8_t> record = Defaults(MAINBOARD_ELVORY);
        SetI32(record, kHsmcVoltage, 0);
        record[kElvoryGpio] = 12;
        record[kElvoryHsmc] = hsmc;
        MendRecord(def, record);
        ASSERT_EQ(record[kElvoryHsmc], hsmc);
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
}

} // namespace
