// The Kelmis board (board id 12) through its definition: record layout and
// defaults, the card lists, mending, the pin filler's groups, bank standards
// and placeholder maps, the HSMC Default renames, the card standards on
// this board, and golden projects checked with the real tools.

#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/stratix4/CONFIG_KELMIS.h"
#include "boards/stratix4/KelmisBoard.h"
#include "boards/stratix4/KelmisConfig.h"
#include "boards/stratix4/KelmisId.h"
#include "generator/Pinsmith.h"
#include "platform/ScriptedUi.h"
#include "support/Golden.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

namespace {

using Record = std::vector<std::uint8_t>;

const BoardDef& Def() {
    return *FindBoard(MAINBOARD_KELMIS);
}

Record Defaults() {
    Record record(Def().record.size);
    SetDefaultRecord(Def(), record);
    return record;
}

Record AllOff() {
    Record record = Defaults();
    for (const std::size_t offset : Def().peripherals) {
        record[offset] = 0;
    }
    return record;
}

constexpr std::size_t Field(std::size_t offset) {
    return offset;
}
#define AT(f) Field(offsetof(KELMIS_CONFIG, f))

std::size_t HsmcCard(int n) {
    return AT(nHsmcDaughterId) + static_cast<std::size_t>(n);
}
std::size_t HsmcPrefix(int n) {
    return AT(szHSMCPrefixName) + kRecordTextSize * static_cast<std::size_t>(n);
}

std::unique_ptr<TMainBoard> Filled(const Record& record) {
    auto board = std::make_unique<TMainBoard>();
    FillBoard(Def(), *board, record);
    return board;
}

std::vector<std::string> Names(const TMainBoard& board) {
    std::vector<std::string> names;
    for (int i = 0; i < board.GetConnectorCount(); ++i) {
        names.push_back(board.GetConnector(i)->GetName());
    }
    return names;
}

const TConnector* Find(const TMainBoard& board, const std::string& name) {
    for (int i = 0; i < board.GetConnectorCount(); ++i) {
        if (board.GetConnector(i)->GetName() == name) {
            return board.GetConnector(i);
        }
    }
    return nullptr;
}

const TPin* FindPin(const TMainBoard& board, const std::string& name) {
    for (int i = 0; i < board.GetConnectorCount(); ++i) {
        const TConnector& c = *board.GetConnector(i);
        for (int j = 0; j < c.GetPinCount(); ++j) {
            if (const TPin* p = c.GetPin(j); p && p->GetName() == name) {
                return p;
            }
        }
    }
    return nullptr;
}

TEST(KelmisRecord, DefaultsAsTheFormStartsWith) {
    const Record r = Defaults();
    ASSERT_EQ(r.size(), 1188u);
    EXPECT_EQ(r[0], 12);
    EXPECT_EQ(r[4] | r[5] << 8, 1188);
    EXPECT_EQ(RecordFieldText(r, 8), "KELMIS");
    // CLOCK, LED, Button, Switch on; SMA off; Temp on; DDR3, PCIe0, PCIe1
    // off; Fan, SSRAM, Flash on; PLL off; HSMC mode.
    const std::vector<std::uint8_t> options(r.begin() + 136, r.begin() + 150);
    EXPECT_EQ(options, (std::vector<std::uint8_t>{1, 1, 1, 1, 0, 1, 0, 0, 0, 1, 1, 1, 0, 0}));
    EXPECT_EQ(r[150], 4);
    EXPECT_EQ(r[151], 4);
    EXPECT_EQ(r[152], 4);
}

TEST(KelmisRecord, CardListsOfThePorts) {
    const std::vector<std::uint8_t> list1 = {0,  2,  6,  7,  8,  10, 14, 17, 18, 19, 27,
                                             28, 29, 31, 32, 33, 35, 36, 61, 88, 87, 94};
    const std::vector<std::uint8_t> list2 = {0,  2,  3,  6,  7,  8,  10, 14, 17, 18, 19,
                                             21, 22, 23, 26, 27, 28, 29, 31, 32, 33, 35,
                                             36, 37, 61, 92, 91, 90, 88, 87, 94};
    const std::vector<BoardCardPort> ports = EffectivePorts(Def(), Defaults());
    ASSERT_EQ(ports.size(), 8u);
    for (int n = 0; n < kelmis::kHsmcCount; ++n) {
        EXPECT_EQ(PortCardList(ports[static_cast<std::size_t>(n)]),
                  kelmis::UsesTransceiverList(n) ? list2 : list1)
            << ports[static_cast<std::size_t>(n)].name;
    }
    EXPECT_EQ(PortCardList(ports[6]), (std::vector<std::uint8_t>{0, 81}));
    EXPECT_EQ(PortCardList(ports[7]), (std::vector<std::uint8_t>{0, 81}));
    // The board's inputs at HSMC-A/E position 156 and HSMC-C 156 and 158
    // sit where the debug card (18) puts bits of its LED output bus: those
    // lists leave the card out, the others offer it.
    for (int n = 0; n < kelmis::kHsmcCount; ++n) {
        const std::vector<std::uint8_t> offered =
            PortCardList(Def(), ports[static_cast<std::size_t>(n)]);
        std::vector<std::uint8_t> expected = kelmis::UsesTransceiverList(n) ? list2 : list1;
        if (n == kelmis::HSMC_A || n == kelmis::HSMC_C || n == kelmis::HSMC_E) {
            expected.erase(std::find(expected.begin(), expected.end(), 18));
        }
        EXPECT_EQ(offered, expected) << ports[static_cast<std::size_t>(n)].name;
    }
}

// A loaded record naming the debug card where it cannot generate mends it
// to None, as any card the list does not offer; on HSMC-B it stays.
TEST(KelmisRecord, MendDropsACardThatCannotGenerateThere) {
    std::vector<std::uint8_t> r = Defaults();
    const std::vector<BoardCardPort> ports = EffectivePorts(Def(), r);
    for (const int n : {kelmis::HSMC_A, kelmis::HSMC_B}) {
        const BoardCardPort& port = ports[static_cast<std::size_t>(n)];
        r[port.cardOffset] = 18;
        SetRecordFieldText(r, port.prefixOffset, "D_");
    }
    MendRecord(Def(), r);
    EXPECT_EQ(r[ports[kelmis::HSMC_A].cardOffset], 0);
    EXPECT_EQ(RecordFieldText(r, ports[kelmis::HSMC_A].prefixOffset), "");
    EXPECT_EQ(r[ports[kelmis::HSMC_B].cardOffset], 18);
    EXPECT_EQ(RecordFieldText(r, ports[kelmis::HSMC_B].prefixOffset), "D_");
}

TEST(KelmisRecord, MendBringsLoadedFieldsIntoRange) {
    Record r = Defaults();
    r[AT(nBoardTypeIndex)] = 2;
    r[AT(nPllIndex)] = 13;
    r[AT(nPllIndex) + 1] = 12;
    r[AT(bHsmcGpio)] = 7;
    r[AT(nGpioDaughterId)] = 1; // not in the GPIO list
    r[AT(nGpioDaughterId) + 1] = 81;
    r[HsmcCard(0)] = 3; // transceiver card on A: offered
    r[HsmcCard(1)] = 3; // but not on B
    MendRecord(Def(), r);
    EXPECT_EQ(r[AT(nBoardTypeIndex)], 0);
    EXPECT_EQ(r[AT(nPllIndex)], 4);
    EXPECT_EQ(r[AT(nPllIndex) + 1], 12);
    EXPECT_EQ(r[AT(bHsmcGpio)], 1);
    EXPECT_EQ(r[AT(nGpioDaughterId)], 0);
    EXPECT_EQ(r[AT(nGpioDaughterId) + 1], 81);
    EXPECT_EQ(r[HsmcCard(0)], 3);
    EXPECT_EQ(r[HsmcCard(1)], 0);
}

TEST(KelmisRecord, PrefixRuleSkipsThePortsOfTheOtherMode) {
    Record r = Defaults();
    r[HsmcCard(0)] = 3;
    r[HsmcCard(4)] = 3;
    std::string message;
    EXPECT_FALSE(CheckRecord(Def(), r, message));
    EXPECT_NE(message.find('A'), std::string::npos) << message;

    // Port C in GPIO mode takes no part: its card equals B's, prefixes both
    // empty.
    r = Defaults();
    r[HsmcCard(1)] = 6;
    r[HsmcCard(2)] = 6;
    EXPECT_FALSE(CheckRecord(Def(), r, message));
    r[AT(bHsmcGpio)] = 1;
    EXPECT_TRUE(CheckRecord(Def(), r, message)) << message;
    // ... while the headers do.
    r[AT(nGpioDaughterId)] = 81;
    r[AT(nGpioDaughterId) + 1] = 81;
    EXPECT_FALSE(CheckRecord(Def(), r, message));
}

TEST(KelmisFiller, NothingTickedLeavesTheLoopGroup) {
    Record r = AllOff();
    const auto board = Filled(r);
    EXPECT_EQ(Names(*board), (std::vector<std::string>{"Loop"}));
    EXPECT_EQ(board->GetConnector(0)->GetPinCount(), 4);
    EXPECT_EQ(board->m_Device, "EP4SGX230KF40C2");
    EXPECT_EQ(board->m_Family, "Stratix IV");
    EXPECT_EQ(board->m_PinCount, 1517);
    r[AT(nBoardTypeIndex)] = 1;
    EXPECT_EQ(Filled(r)->m_Device, "EP4SGX530KH40C2");
}

TEST(KelmisFiller, OnlyTheProgrammablePll) {
    Record r = AllOff();
    r[AT(bExtPLL)] = 1;
    r[HsmcCard(3)] = 88; // 1.5 V on D: the clock's bank follows it
    const auto board = Filled(r);
    EXPECT_EQ(Names(*board), (std::vector<std::string>{"CLOCK", "Loop", "MAX2", "Programming PLL",
                                                       "HSMC-D", "HSMC D/E/F I2C"}));
    const TConnector* clock = Find(*board, "CLOCK");
    ASSERT_EQ(clock->GetPinCount(), 1);
    EXPECT_EQ(clock->GetPin(0)->GetName(), "OSC_50_BANK1");
    EXPECT_EQ(clock->GetPin(0)->GetIoStandard(), IOSTD_1V5);
    EXPECT_EQ(clock->GetPin(0)->GetPeriodNs(), 20);
    EXPECT_EQ(board->m_BoardRecord.U8(148), 1);
}

TEST(KelmisFiller, BankStandardsFollowTheCards) {
    Record r = Defaults();
    r[AT(bSma)] = 1;
    const auto plain = Filled(r);
    r[HsmcCard(3)] = 88;
    r[HsmcCard(5)] = 94;
    r[HsmcCard(0)] = 87;
    r[HsmcCard(1)] = 86;
    const auto carded = Filled(r);
    struct Case {
        const char* pin;
        IoStd withCards;
    };
    const Case cases[] = {
        {"OSC_50_BANK1", IOSTD_1V5},
        {"OSC_50_BANK3", IOSTD_3V0_PCIX},
        {"OSC_50_BANK4", IOSTD_3V0_PCIX},
        {"SMA_CLKIN", IOSTD_3V0_PCIX},
        {"SMA_CLKOUT", IOSTD_3V0_PCIX},
        {"SW[0]", IOSTD_3V0_PCIX},
        {"SW[1]", IOSTD_3V0_PCIX},
        {"SW[2]", IOSTD_1V8},
        {"SW[3]", IOSTD_1V8},
        {"TEMP_SMDAT", IOSTD_3V3_LVTTL},
        {"HSMC_ABC_SDA", IOSTD_3V3_LVTTL},
        {"OSC_50_BANK7", IOSTD_1V5},
    };
    for (const Case& c : cases) {
        const TPin* before = FindPin(*plain, c.pin);
        const TPin* after = FindPin(*carded, c.pin);
        ASSERT_TRUE(after) << c.pin;
        if (before) {
            EXPECT_EQ(before->GetIoStandard(),
                      c.withCards == IOSTD_1V5 && std::string(c.pin) == "OSC_50_BANK7" ? IOSTD_1V5
                                                                                       : IOSTD_2V5)
                << c.pin;
        }
        EXPECT_EQ(after->GetIoStandard(), c.withCards) << c.pin;
    }
}

TEST(KelmisFiller, SharedBusWidthFollowsTheFlash) {
    Record r = AllOff();
    r[AT(bSSRAM)] = 1;
    const char* bus = "Flash and SRAM Address/Data/OE/WM Share Bus";
    EXPECT_EQ(Find(*Filled(r), bus)->GetPinCount(), 54);
    r[AT(bFlash)] = 1;
    const auto board = Filled(r);
    EXPECT_EQ(Find(*board, bus)->GetPinCount(), 59);
    EXPECT_EQ(Find(*board, bus)->GetPin(32)->GetName(), "FSM_A[1]");
    EXPECT_EQ(Find(*board, bus)->GetPin(56)->GetName(), "FSM_A[25]");
}

// Positions, placeholders and the positions each map fixes.
TEST(KelmisFiller, ExpansionMaps) {
    Record r = AllOff();
    r[AT(bDDR3)] = 1;
    for (int n = 0; n < 6; ++n) {
        r[HsmcCard(n)] = 2;
    }
    struct Map {
        const char* name;
        int id, positions, placeholders;
        std::vector<int> inputs, fixed15;
    };
    const Map maps[] = {
        {"DDR3 SODIMM", 19, 204, 124, {}, {30, 198, 200, 202}},
        {"HSMC-A", 8, 160, 114, {156, 158}, {}},
        {"HSMC-B", 9, 160, 82, {}, {}},
        {"HSMC-C", 10, 160, 82, {156, 158}, {}},
        {"HSMC-D", 11, 160, 82, {40}, {39}},
        {"HSMC-E", 12, 160, 114, {156}, {}},
        {"HSMC-F", 13, 160, 82, {}, {}},
    };
    const auto board = Filled(r);
    for (const Map& m : maps) {
        const TConnector* c = Find(*board, m.name);
        ASSERT_TRUE(c) << m.name;
        EXPECT_EQ(static_cast<int>(c->GetConnectorId()), m.id);
        EXPECT_TRUE(c->GetIsExpansion());
        EXPECT_EQ(c->GetPinCount(), m.positions) << m.name;
        int placeholders = 0;
        for (int p = 1; p <= c->GetPinCount(); ++p) {
            const TPin* pin = c->GetPin(p - 1);
            if (!pin) {
                continue;
            }
            ++placeholders;
            const bool in = std::find(m.inputs.begin(), m.inputs.end(), p) != m.inputs.end();
            const bool fixed = std::find(m.fixed15.begin(), m.fixed15.end(), p) != m.fixed15.end();
            EXPECT_EQ(pin->GetDirection(), in ? PIN_DIR_INPUT : PIN_DIR_FROM_CARD)
                << m.name << " " << p;
            EXPECT_EQ(pin->GetIoStandard(), fixed ? IOSTD_1V5 : IOSTD_FROM_CARD)
                << m.name << " " << p;
        }
        EXPECT_EQ(placeholders, m.placeholders) << m.name;
    }
    EXPECT_EQ(Find(*board, "HSMC-A")->GetDescription(), "HSMC-A connect to HSMC Default");
    EXPECT_EQ(Find(*board, "HSMC-A")->GetPin(0)->GetLocation(), "B4");
    EXPECT_EQ(Find(*board, "HSMC-F")->GetPin(157)->GetLocation(), "AT21");
    EXPECT_EQ(Find(*board, "DDR3 SODIMM")->GetPin(201)->GetLocation(), "H19");
}

TEST(KelmisFiller, GpioModeMakesTheHeadersInsteadOfPortC) {
    Record r = AllOff();
    r[AT(bHsmcGpio)] = 1;
    r[AT(nGpioDaughterId)] = 81;
    r[AT(nGpioDaughterId) + 1] = 81;
    r[HsmcCard(2)] = 6; // still stored
    const auto board = Filled(r);
    EXPECT_EQ(Names(*board),
              (std::vector<std::string>{"Loop", "GPIO_0", "GPIO_1", "HSMC A/B/C I2C"}));
    const TConnector* g1 = Find(*board, "GPIO_1");
    EXPECT_EQ(static_cast<int>(g1->GetConnectorId()), 17);
    EXPECT_EQ(g1->GetPinCount(), 40);
    EXPECT_EQ(g1->GetPin(10), nullptr);
    EXPECT_EQ(g1->GetPin(39)->GetLocation(), "AD29");
}

// Port -> whether positions 95/97 and 155/157 are renamed besides 39.
TEST(KelmisCards, HsmcDefaultClockPinsRenamedPerPort) {
    struct Case {
        int port;
        const char* prefix;
        const char* effective;
        bool p1, p2;
    };
    const Case cases[] = {
        {0, "", "HSM_", false, true}, {1, "", "HSM_", true, true},  {2, "X_", "X_", false, true},
        {3, "", "HSM_", false, true}, {4, "", "HSM_", false, true}, {5, "a.b", "a.b", false, false},
    };
    for (const Case& c : cases) {
        Record r = AllOff();
        r[HsmcCard(c.port)] = 2;
        SetRecordFieldText(r, HsmcPrefix(c.port), c.prefix);
        const auto board = BuildBoardModel(Def(), r);
        const std::string e = c.effective;
        const TConnector* port =
            board->GetExpansionConnector(ConnectorIdAt(CONNECTOR_ID_HSMC_A, c.port));
        ASSERT_TRUE(port);
        const auto nameAt = [&](int position) { return port->GetPin(position - 1)->GetName(); };
        EXPECT_EQ(nameAt(39), e + "OUT0") << c.port;
        EXPECT_EQ(port->GetPin(38)->GetDirection(), PIN_DIR_INOUT);
        EXPECT_EQ(nameAt(95) == e + "OUT_p1", c.p1) << c.port;
        EXPECT_EQ(nameAt(97) == e + "OUT_n1", c.p1) << c.port;
        EXPECT_EQ(nameAt(155) == e + "OUT_p2", c.p2) << c.port;
        EXPECT_EQ(nameAt(157) == e + "OUT_n2", c.p2) << c.port;
        // The record keeps the prefix as typed.
        EXPECT_EQ(RecordFieldText(r, HsmcPrefix(c.port)), c.prefix);
    }
}

// Card standards on this board: an HSMC card takes the port's 2.5 V, a GPIO
// card on port C keeps 3.0-V PCI-X, an HSMC Default card its own class.
TEST(KelmisCards, CardStandardsOnThisBoard) {
    const auto standardsOf = [](const TMainBoard& board, ConnectorId id) {
        std::vector<IoStd> codes;
        const TConnector* c = board.GetExpansionConnector(id);
        for (int j = 0; c && j < c->GetPinCount(); ++j) {
            if (const TPin* p = c->GetPin(j); p && p->IsActive()) {
                codes.push_back(p->GetIoStandard());
            }
        }
        return codes;
    };
    Record r = AllOff();
    r[HsmcCard(1)] = 17;
    r[HsmcCard(3)] = 88;
    auto board = BuildBoardModel(Def(), r);
    const std::vector<IoStd> b = standardsOf(*board, ConnectorIdAt(CONNECTOR_ID_HSMC_A, 1));
    ASSERT_FALSE(b.empty());
    EXPECT_EQ(std::count(b.begin(), b.end(), IOSTD_3V0_PCIX), 0);
    EXPECT_GT(std::count(b.begin(), b.end(), IOSTD_2V5), 0);
    const std::vector<IoStd> d = standardsOf(*board, ConnectorIdAt(CONNECTOR_ID_HSMC_A, 3));
    EXPECT_GT(std::count(d.begin(), d.end(), IOSTD_1V5), 70);

    r = AllOff();
    r[AT(bHsmcGpio)] = 1;
    r[AT(nGpioDaughterId)] = 81;
    board = BuildBoardModel(Def(), r);
    const std::vector<IoStd> g = standardsOf(*board, CONNECTOR_ID_GPIO_0);
    ASSERT_EQ(g.size(), 36u);
    EXPECT_EQ(std::count(g.begin(), g.end(), IOSTD_3V0_PCIX), 36);
}

TEST(KelmisCards, Ddr3ModuleKeepsTheFixedBankPositions) {
    Record r = AllOff();
    r[AT(bDDR3)] = 1;
    const auto board = BuildBoardModel(Def(), r);
    const TConnector* socket = board->GetExpansionConnector(CONNECTOR_ID_DDR3_SODIMM);
    ASSERT_TRUE(socket);
    for (const int p : {30, 198, 200, 202}) {
        ASSERT_TRUE(socket->GetPin(p - 1)) << p;
        EXPECT_EQ(socket->GetPin(p - 1)->GetIoStandard(), IOSTD_1V5) << p;
        EXPECT_EQ(socket->GetPin(p - 1)->GetName().rfind("mem_", 0), 0u) << p;
    }
    EXPECT_TRUE(FindPin(*board, "mem_oct_rup"));
}

struct GoldenCase {
    std::string name;
    void (*edit)(Record& r);
};

const GoldenCase kGoldens[] = {
    {"KELMIS", [](Record&) {}},
    {"kelmis_pll_only",
     [](Record& r) {
         for (const std::size_t offset : Def().peripherals) {
             r[offset] = 0;
         }
         r[AT(bExtPLL)] = 1;
         r[AT(nPllIndex)] = 4;
         r[AT(nPllIndex) + 1] = 1;
         r[AT(nPllIndex) + 2] = 0;
         r[HsmcCard(3)] = 88;
     }},
    {"kelmis_gpio_mode",
     [](Record& r) {
         r[AT(bHsmcGpio)] = 1;
         r[AT(nGpioDaughterId)] = 81;
         r[AT(nGpioDaughterId) + 1] = 81;
         SetRecordFieldText(r, AT(szGpioPrefixName), "G0_");
         SetRecordFieldText(r, AT(szGpioPrefixName) + kRecordTextSize, "G1_");
         r[HsmcCard(2)] = 6;
     }},
    {"kelmis_cards",
     [](Record& r) {
         r[AT(bSma)] = 1;
         r[HsmcCard(3)] = 88;
         r[HsmcCard(5)] = 94;
         SetRecordFieldText(r, HsmcPrefix(5), "F_");
         r[HsmcCard(1)] = 6;
     }},
};

class KelmisGolden : public testing::TestWithParam<GoldenCase> {};

TEST_P(KelmisGolden, MatchesFixturesAndPassesTheTools) {
    const GoldenCase& c = GetParam();
    golden::ExpectGoldenProject(MAINBOARD_KELMIS, c.name,
                                [&](const BoardDef&, golden::Record& r) { c.edit(r); },
                                {.checks = golden::StrictChecks()});
}

INSTANTIATE_TEST_SUITE_P(Records, KelmisGolden, testing::ValuesIn(kGoldens),
                         [](const testing::TestParamInfo<GoldenCase>& info) {
                             return info.param.name;
                         });

// Two HSMC Default cards of different classes pass the prefix rule with
// empty prefixes, then both carry "HSM_": the writer refuses the project.
TEST(KelmisGeneration, SameSignalFromTwoPortsIsRefused) {
    Record record = Defaults();
    record[HsmcCard(3)] = 88;
    record[HsmcCard(5)] = 94;
    std::string message;
    ASSERT_TRUE(CheckRecord(Def(), record, message)) << message;
    platform::ScriptedUi ui;
    TempDir dir;
    const std::unique_ptr<TMainBoard> board = BuildBoardModel(Def(), record);
    TPinsmith pinsmith;
    EXPECT_FALSE(pinsmith.Generate(board.get(), dir.File("KELMIS.qpf"), false));
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text,
              "Signal HSM_OUT0 is used by both HSMC-D and HSMC-F. Please use different prefix "
              "names.");
}

#undef AT

} // namespace
