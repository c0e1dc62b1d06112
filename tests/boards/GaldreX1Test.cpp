// The Galdre_X1 board (board id 8) through its definition: record layout
// and defaults, the card lists, mending, the pin filler against a fixture
// written from the board's documentation and under its conditions, the
// HSMC Default prefixes, the DDR2 modules, the transceiver warning, and
// golden projects checked with the real tools.

#include "boards/BoardDump.h"
#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/stratix4/GaldreX1Board.h"
#include "boards/stratix4/GaldreX1Config.h"
#include "boards/stratix4/GaldreX1Id.h"
#include "generator/Pinsmith.h"
#include "platform/ScriptedUi.h"
#include "support/Golden.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

namespace {

using Record = std::vector<std::uint8_t>;

const BoardDef& Def() {
    return *FindBoard(MAINBOARD_GALDRE_X1);
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

#define AT(f) offsetof(GALDRE_X1_CONFIG, f)

std::size_t HsmcCard(int n) {
    return AT(nHsmcDaughterId) + static_cast<std::size_t>(n);
}
std::size_t HsmcPrefix(int n) {
    return AT(szHSMCPrefixName) + kRecordTextSize * static_cast<std::size_t>(n);
}
std::size_t GpioCard(int h) {
    return AT(nGpioDaughterId) + static_cast<std::size_t>(h);
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

std::vector<std::string> PinNames(const TConnector& c) {
    std::vector<std::string> names;
    for (int i = 0; i < c.GetPinCount(); ++i) {
        if (const TPin* p = c.GetPin(i)) {
            names.push_back(p->GetName());
        }
    }
    return names;
}

TEST(GaldreX1Record, DefaultsAsTheFormWritesThem) {
    const Record r = Defaults();
    ASSERT_EQ(r.size(), 684u);
    EXPECT_EQ(r[0], 8);
    std::int32_t size = 0;
    std::memcpy(&size, &r[4], 4);
    EXPECT_EQ(size, 684);
    EXPECT_EQ(RecordFieldText(r, 8), "GALDRE");
    // Option bytes 136..161 in record order.
    const std::vector<int> options = {1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 1, 1, 0,
                                      1, 1, 1, 0, 0, 0, 1, 1, 1, 0, 1, 1, 1};
    for (std::size_t i = 0; i < options.size(); ++i) {
        EXPECT_EQ(r[136 + i], options[i]) << "offset " << 136 + i;
    }
    EXPECT_EQ(r[162], 4);
    EXPECT_EQ(r[163], 4);
    EXPECT_EQ(r[164], 4);
    for (std::size_t i = 165; i < r.size(); ++i) {
        EXPECT_EQ(r[i], 0) << "offset " << i;
    }
    EXPECT_EQ(Def().peripherals.size(), 25u);
}

TEST(GaldreX1Record, CardListsOfThePorts) {
    const std::vector<std::uint8_t> hsmc = {0,  2,  3,  6,  7,  8,  10, 14, 17, 18, 19, 21, 22,
                                            23, 26, 27, 28, 29, 31, 32, 33, 35, 36, 37, 61};
    const std::vector<std::uint8_t> gpio = {0, 81};
    EXPECT_EQ(PortCardList(Def().ports[galdrex1::HSMC_A]), hsmc);
    EXPECT_EQ(PortCardList(Def().ports[galdrex1::HSMC_B]), hsmc);
    EXPECT_EQ(PortCardList(Def().ports[galdrex1::GPIO_0_PORT]), gpio);
    EXPECT_EQ(PortCardList(Def().ports[galdrex1::GPIO_1_PORT]), gpio);
}

// A loaded record keeps only what the form can show: a variant, PLL codes
// up to 12, no byte at bMax2, listed cards.
TEST(GaldreX1Record, MendingALoadedRecord) {
    Record r = Defaults();
    r[AT(nBoardTypeIndex)] = 2;
    r[AT(nExtPllIndex)] = 13;
    r[AT(nExtPllIndex) + 1] = 12;
    r[AT(nExtPllIndex) + 2] = 0;
    r[AT(bMax2)] = 1;
    r[GpioCard(0)] = 82;
    r[HsmcCard(1)] = 88;
    MendRecord(Def(), r);
    EXPECT_EQ(r[AT(nBoardTypeIndex)], 0);
    EXPECT_EQ(r[AT(nExtPllIndex)], 4);
    EXPECT_EQ(r[AT(nExtPllIndex) + 1], 12);
    EXPECT_EQ(r[AT(nExtPllIndex) + 2], 0);
    EXPECT_EQ(r[AT(bMax2)], 0);
    EXPECT_EQ(r[GpioCard(0)], 0);
    EXPECT_EQ(r[HsmcCard(1)], 0);
    r[AT(nBoardTypeIndex)] = 1;
    MendRecord(Def(), r);
    EXPECT_EQ(r[AT(nBoardTypeIndex)], 1);
    EXPECT_EQ(Filled(r)->GetDevice(), "EP4SGX530KH40C2");
}

TEST(GaldreX1Filler, EveryGroupMatchesTheFixture) {
    Record r = Defaults();
    for (const std::size_t offset : Def().peripherals) {
        r[offset] = 1;
    }
    r[GpioCard(0)] = 81;
    r[GpioCard(1)] = 81;
    r[HsmcCard(0)] = 2;
    r[HsmcCard(1)] = 3;
    boardtest::ExpectFixture(*Filled(r), "galdre_x1_all");
}

TEST(GaldreX1Filler, GroupsFollowTheirBoxes) {
    struct Case {
        const char* what;
        std::vector<std::size_t> ticked;
        std::vector<std::pair<std::size_t, std::uint8_t>> cards;
        std::vector<std::string> connectors;
    };
    const Case cases[] = {
        {"nothing", {}, {}, {}},
        {"only the PLL", {AT(bExtPLL)}, {}, {"CLOCK", "External PLL", "CPU_RESET_n"}},
        {"SSRAM alone",
         {AT(bSSRAM)},
         {},
         {"Flash and SRAM Address/Data Share Bus", "SSRAM Control"}},
        {"one SATA box", {AT(bSata_2)}, {}, {"SATA"}},
        {"a card on HSMC-B only", {}, {{HsmcCard(1), 6}}, {"HSMC-B", "HSMC I2C"}},
        {"both sockets",
         {AT(bDDR2_0), AT(bDDR2_1)},
         {},
         {"DDR2 SODIMM", "DDR2 SODIMM_0 RUP/RDN", "DDR2 SODIMM", "DDR2 SODIMM_1 RUP/RDN"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Record r = AllOff();
        for (const std::size_t offset : c.ticked) {
            r[offset] = 1;
        }
        for (const auto& [offset, card] : c.cards) {
            r[offset] = card;
        }
        const auto board = Filled(r);
        EXPECT_EQ(Names(*board), c.connectors);
        EXPECT_EQ(board->GetDevice(), "EP4SGX230KF40C2");
    }

    Record r = AllOff();
    r[AT(bExtPLL)] = 1;
    auto board = Filled(r);
    EXPECT_EQ(PinNames(*Find(*board, "CLOCK")), std::vector<std::string>{"OSC_50_BANK2"});
    EXPECT_EQ(PinNames(*Find(*board, "CPU_RESET_n")), std::vector<std::string>{"CPU_RESET_n"});
    EXPECT_TRUE(Find(*board, "CLOCK")->GetPin(0)->IsClockPin());

    r = AllOff();
    r[AT(bSSRAM)] = 1;
    board = Filled(r);
    const std::vector<std::string> bus =
        PinNames(*Find(*board, "Flash and SRAM Address/Data Share Bus"));
    ASSERT_EQ(bus.size(), 36u);
    EXPECT_EQ(bus.back(), "FSM_A[20]");

    r = AllOff();
    r[AT(bSata_2)] = 1;
    EXPECT_EQ(
        PinNames(*Find(*Filled(r), "SATA")),
        (std::vector<std::string>{"SATA_DEVICE_RX_p[0]", "SATA_DEVICE_TX_p[0]", "SATA_REFCLK_p"}));
}

// With the headers' only card (81) both headers are separate connectors;
// an 80-pin card taken over both from a built record gives the pair.
TEST(GaldreX1Filler, GpioHeaders) {
    Record r = AllOff();
    r[GpioCard(0)] = 81;
    r[GpioCard(1)] = 81;
    auto board = Filled(r);
    ASSERT_EQ(Names(*board), (std::vector<std::string>{"GPIO_0", "GPIO_1"}));
    EXPECT_EQ(board->GetConnector(0)->GetActivePinCount(), 36);
    EXPECT_EQ(board->GetConnector(1)->GetConnectorId(), CONNECTOR_ID_GPIO_1);

    r[GpioCard(0)] = 11; // an 80-pin card
    r[GpioCard(1)] = 11;
    board = Filled(r);
    ASSERT_EQ(Names(*board), std::vector<std::string>{"GPIO_0_1"});
    EXPECT_EQ(board->GetConnector(0)->GetActivePinCount(), 72);
    EXPECT_EQ(board->GetConnector(0)->GetConnectorId(), CONNECTOR_ID_GPIO_PAIR);
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

// The HSMC Default cards take "HSMA_" or "HSMB_" at the attach when no
// prefix is typed; the prefix rule compares the typed prefixes, and the
// record keeps them empty.
TEST(GaldreX1Cards, HsmcDefaultPrefixes) {
    struct Case {
        std::uint8_t a, b;
        const char *prefixA, *prefixB;
        bool passes;
        const char *pinA, *pinB; // a pin each port's card carries, or nullptr
    };
    const Case cases[] = {
        {2, 0, "", "", true, "HSMA_D[0]", nullptr},
        {2, 2, "", "", false, nullptr, nullptr},
        {2, 3, "", "", true, "HSMA_D[0]", "HSMB_D[0]"},
        {3, 2, "X_", "", true, "X_D[0]", "HSMB_D[0]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.a) + "/" + std::to_string(c.b) + " " + c.prefixA);
        Record r = AllOff();
        r[HsmcCard(0)] = c.a;
        r[HsmcCard(1)] = c.b;
        SetRecordFieldText(r, HsmcPrefix(0), c.prefixA);
        SetRecordFieldText(r, HsmcPrefix(1), c.prefixB);
        std::string message;
        EXPECT_EQ(CheckRecord(Def(), r, message), c.passes) << message;
        if (!c.passes) {
            EXPECT_EQ(message, "HSMC-A and HSMC-B cannot have the same prefix name when both "
                               "connect to the same type of daughter boards.");
            continue;
        }
        const Record before = r;
        const auto board = BuildBoardModel(Def(), r);
        EXPECT_EQ(r, before);
        for (const char* pin : {c.pinA, c.pinB}) {
            if (pin) {
                EXPECT_TRUE(FindPin(*board, pin)) << pin;
            }
        }
    }
}

TEST(GaldreX1Cards, Ddr2ModulesOnBothSockets) {
    Record r = AllOff();
    r[AT(bDDR2_0)] = 1;
    r[AT(bDDR2_1)] = 1;
    const auto board = BuildBoardModel(Def(), r);
    for (const auto& [id, prefix] :
         {std::pair{CONNECTOR_ID_DDR2_SODIMM_0, "M1_DDR2_"},
          std::pair{ConnectorIdAt(CONNECTOR_ID_DDR2_SODIMM_0, 1), "M2_DDR2_"}}) {
        const TConnector* socket = board->GetExpansionConnector(id);
        ASSERT_TRUE(socket);
        int named = 0;
        for (int i = 0; i < socket->GetPinCount(); ++i) {
            const TPin* p = socket->GetPin(i);
            if (p && !p->GetName().empty()) {
                EXPECT_EQ(p->GetName().rfind(prefix, 0), 0u) << p->GetName();
                ++named;
            }
        }
        EXPECT_GT(named, 100) << prefix;
    }
}

TEST(GaldreX1Cards, TransceiverPlacementWarning) {
    const std::string lanes = "Both XCVR_TX4p and XCVR_RX4p pins are not connected to Galdre "
                              "FPGA through HSMC-A Connector.";
    const std::string sas =
        "4-lane SAS in SATA/SAS board are not connected to Galdre FPGA through HSMC-A Connector.";
    struct Case {
        CardId a, b;
        std::string text;
    };
    const Case cases[] = {
        {CARD_WEXAL, CARD_WEXAL, lanes},
        {CARD_WEXAL, CARD_SATA, lanes},
        {CARD_WEXAL, CARD_NONE,
         lanes + "\r\nSuggest to plug your SFP board in the HSMC-B Connector."},
        {CARD_SATA, CARD_WEXAL, sas},
        {CARD_SATA, CARD_SATA, sas},
        {CARD_SATA, CARD_HSMC_DEFAULT,
         lanes + "\r\nSuggest to plug your SATA/SAS board in the HSMC-B Connector."},
        {CARD_HSMC_DEFAULT, CARD_WEXAL, ""},
        {CARD_HSMC_DEFAULT, CARD_SATA, ""},
        {CARD_NONE, CARD_NONE, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(galdrex1::TransceiverPlacementWarning(c.a, c.b), c.text)
            << CardNumber(c.a) << "/" << CardNumber(c.b);
    }
}

// A typed "HSMB_" on HSMC-A and card 3 on HSMC-B: the prefix rule passes
// (the cards differ), the writer refuses the double signal names.
TEST(GaldreX1Generation, SameSignalFromBothPortsIsRefused) {
    Record r = Defaults();
    r[HsmcCard(0)] = 2;
    SetRecordFieldText(r, HsmcPrefix(0), "HSMB_");
    r[HsmcCard(1)] = 3;
    std::string message;
    ASSERT_TRUE(CheckRecord(Def(), r, message)) << message;
    platform::ScriptedUi ui;
    TempDir dir;
    const auto board = BuildBoardModel(Def(), r);
    TPinsmith pinsmith;
    EXPECT_FALSE(pinsmith.Generate(board.get(), dir.File("GALDRE.qpf"), false));
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_NE(ui.Boxes()[0].text.find("is used by both HSMC-A and HSMC-B"), std::string::npos)
        << ui.Boxes()[0].text;
}

struct GoldenCase {
    std::string name;
    void (*edit)(Record& r);
};

const GoldenCase kGoldens[] = {
    {"GALDRE", [](Record&) {}},
    {"galdre_everything",
     [](Record& r) {
         for (const std::size_t offset : Def().peripherals) {
             r[offset] = 1;
         }
         r[AT(nExtPllIndex)] = 5;
         r[AT(nExtPllIndex) + 1] = 1;
         r[AT(nExtPllIndex) + 2] = 0;
         r[HsmcCard(0)] = 2;
         r[HsmcCard(1)] = 3;
         r[GpioCard(0)] = 81;
         SetRecordFieldText(r, AT(szGpioPrefixName), "G0_");
     }},
};

class GaldreX1Golden : public testing::TestWithParam<GoldenCase> {};

TEST_P(GaldreX1Golden, MatchesAndPassesTheTools) {
    const GoldenCase& c = GetParam();
    golden::ExpectGoldenProject(MAINBOARD_GALDRE_X1, c.name,
                                [&](const BoardDef&, golden::Record& r) { c.edit(r); });
}

INSTANTIATE_TEST_SUITE_P(Records, GaldreX1Golden, testing::ValuesIn(kGoldens),
                         [](const testing::TestParamInfo<GoldenCase>& info) {
                             return info.param.name;
                         });

#undef AT

} // namespace
