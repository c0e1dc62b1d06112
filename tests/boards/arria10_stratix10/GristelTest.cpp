// The Gristel board (board id 35): the record, the card lists per FMC
// voltage, the pin filler's groups and expansion connectors, the FMC
// card's standard at each voltage, the socket modules, and golden projects
// checked with the real tools.

#include "A10Support.h"
#include "support/Golden.h"

#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/arria10_stratix10/ConfigGristel.h"
#include "boards/arria10_stratix10/GristelId.h"
#include "generator/Pinsmith.h"
#include "platform/Files.h"
#include "platform/ScriptedUi.h"
#include "support/BoardCheckOptions.h"
#include "support/ProjectChecker.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

namespace {

using a10test::Record;
#define AT(f) offsetof(GRISTEL_CONFIG, f)

const BoardDef& Def() {
    return *FindBoard(MAINBOARD_GRISTEL);
}

Record Bare() {
    Record r = a10test::Defaults(MAINBOARD_GRISTEL);
    for (const std::size_t offset : Def().peripherals) {
        r[offset] = 0;
    }
    return r;
}

TEST(GristelRecord, DefaultsByteForByte) {
    const Record r = a10test::Defaults(MAINBOARD_GRISTEL);
    ASSERT_EQ(r.size(), 420u);
    Record expected(420, 0);
    expected[0] = 35;
    expected[4] = 420 & 0xFF;
    expected[5] = 420 >> 8;
    const std::string name = "Gristel";
    std::copy(name.begin(), name.end(), expected.begin() + 8);
    for (std::size_t o = 137; o <= 144; ++o) {
        expected[o] = 1;
    }
    expected[284] = 2;
    EXPECT_EQ(r, expected);
}

TEST(GristelRecord, CardListsFollowTheVoltage) {
    Record r = a10test::Defaults(MAINBOARD_GRISTEL);
    EXPECT_EQ(PortCardList(EffectivePorts(Def(), r)[gristel::SOCKET]),
              (std::vector<std::uint8_t>{0, 77, 78, 79, 80}));
    std::vector<std::vector<std::uint8_t>> lists;
    for (const std::int32_t code : {2, 3, 4}) {
        a10test::SetI32(r, AT(FmcVoltage), code);
        const std::vector<std::uint8_t> list = PortCardList(EffectivePorts(Def(), r)[gristel::FMC]);
        EXPECT_EQ(list.front(), 0);
        EXPECT_GT(list.size(), 1u) << code;
        lists.push_back(list);
    }
    EXPECT_NE(lists[0], lists[1]);
    // An unknown code shows 1.8 V; a card of another voltage's list is
    // dropped.
    a10test::SetI32(r, AT(FmcVoltage), 7);
    MendRecord(Def(), r);
    EXPECT_EQ(RecordAs<GRISTEL_CONFIG>(r).FmcVoltage, 2);
}

TEST(GristelFiller, DefaultsAndNothing) {
    auto board = a10test::Filled(MAINBOARD_GRISTEL, a10test::Defaults(MAINBOARD_GRISTEL));
    EXPECT_EQ(a10test::GroupNames(*board),
              (std::vector<std::string>{"CLOCK", "KEY", "SW", "LED", "DDR4B", "FAN"}));
    std::vector<int> counts;
    for (int i = 0; i < board->GetConnectorCount(); ++i) {
        counts.push_back(board->GetConnector(i)->GetPinCount());
    }
    EXPECT_EQ(counts, (std::vector<int>{5, 3, 2, 2, 91, 1}));
    EXPECT_EQ(board->m_Device, "10AS066K3F40E2SG");
    EXPECT_EQ(board->m_SpeedGradeText, "2");
    EXPECT_EQ(board->m_Package, "");
    board = a10test::Filled(MAINBOARD_GRISTEL, Bare());
    EXPECT_EQ(board->GetConnectorCount(), 0);
}

// The shared I2C group: its name and pins by what uses it.
TEST(GristelFiller, I2cGroupNamedByItsUsers) {
    struct Case {
        bool hdmi, sdi, fmc;
        const char* name;
        std::vector<std::string> pins;
    };
    const Case cases[] = {
        {false,
         true,
         false,
         "I2C for SDI/",
         {"REFCLK0_SDI_SCL", "REFCLK0_SDI_SDA", "CDCM6208_SCL", "CDCM6208_SDA"}},
        {false,
         false,
         true,
         "I2C for HDMI/",
         {"FPGA_I2C_SCL", "FPGA_I2C_SDA", "CDCM6208_SCL", "CDCM6208_SDA"}},
        {true,
         false,
         true,
         "I2C for HDMI/HDMI/",
         {"FPGA_I2C_SCL", "FPGA_I2C_SDA", "REFCLK1_HDMI_SCL", "REFCLK1_HDMI_SDA", "CDCM6208_SCL",
          "CDCM6208_SDA"}},
        {true,
         true,
         true,
         "I2C for HDMI/SDI/HDMI/",
         {"FPGA_I2C_SCL", "FPGA_I2C_SDA", "REFCLK0_SDI_SCL", "REFCLK0_SDI_SDA", "REFCLK1_HDMI_SCL",
          "REFCLK1_HDMI_SDA", "CDCM6208_SCL", "CDCM6208_SDA"}},
    };
    for (const Case& c : cases) {
        Record r = Bare();
        r[AT(Hdmi)] = c.hdmi;
        r[AT(Sdi)] = c.sdi;
        r[AT(FmcCardId)] = c.fmc ? 40 : 0;
        const auto board = a10test::Filled(MAINBOARD_GRISTEL, r);
        const TConnector* group = nullptr;
        for (int i = 0; i < board->GetConnectorCount(); ++i) {
            if (board->GetConnector(i)->GetName().rfind("I2C for ", 0) == 0) {
                group = board->GetConnector(i);
            }
        }
        ASSERT_TRUE(group) << c.name;
        EXPECT_EQ(group->GetName(), c.name);
        std::vector<std::string> pins;
        for (int j = 0; j < group->GetPinCount(); ++j) {
            pins.push_back(group->GetPin(j)->GetName());
        }
        EXPECT_EQ(pins, c.pins) << c.name;
    }
}

TEST(GristelFiller, ExpansionConnectors) {
    Record r = Bare();
    r[AT(SocketCardId)] = 80;
    r[AT(FmcCardId)] = 40;
    r[AT(Led)] = 1;
    r[AT(Ddr4)] = 1;
    const auto board = a10test::Filled(MAINBOARD_GRISTEL, r);
    EXPECT_EQ(
        a10test::GroupNames(*board),
        (std::vector<std::string>{"LED", "DDR4 SODIMM Socket", "DDR4B", "I2C for HDMI/", "FMC"}));
    const TConnector* socket = board->GetExpansionConnector(CONNECTOR_ID_DDR4_SOCKET);
    ASSERT_TRUE(socket);
    EXPECT_EQ(socket->GetPinCount(), 260);
    EXPECT_EQ(a10test::NullEntries(*socket), 126);
    EXPECT_EQ(socket->GetPin(259)->GetLocation(), "Y37");
    EXPECT_EQ(socket->GetType(), CONNECTOR_DDR4_SODIMM_IF_ECC);
    const TConnector* fmc = board->GetExpansionConnector(CONNECTOR_ID_FMC_A);
    ASSERT_TRUE(fmc);
    EXPECT_EQ(fmc->GetPinCount(), 402);
    EXPECT_EQ(a10test::NullEntries(*fmc), 184);
    EXPECT_EQ(fmc->GetPin(400)->GetName(), "FMC_REFCLK_p");
    EXPECT_EQ(fmc->GetPin(401)->GetName(), "FMC_RZQ");
    EXPECT_EQ(fmc->GetPin(1)->GetLocation(), "R33");
    EXPECT_EQ(fmc->GetPin(397)->GetLocation(), "AT18");
}

// The FMC card's single-ended pins and FMC_RZQ take the bank's voltage;
// transceiver pins stay HSSI; the board pins after the card survive.
TEST(GristelCards, FmcStandardFollowsTheVoltage) {
    struct Case {
        std::int32_t code;
        IoStd standard;
    };
    for (const Case c : {Case{2, IOSTD_1V8}, Case{3, IOSTD_1V5}, Case{4, IOSTD_1V2}}) {
        Record r = Bare();
        a10test::SetI32(r, AT(FmcVoltage), c.code);
        const std::vector<std::uint8_t> list = PortCardList(EffectivePorts(Def(), r)[gristel::FMC]);
        // A VITA card takes the caller's standard.
        const std::uint8_t card =
            std::find(list.begin(), list.end(), 40) != list.end() ? 40 : list.back();
        r[AT(FmcCardId)] = card;
        const auto board = BuildBoardModel(Def(), r);
        const TConnector* fmc = board->GetExpansionConnector(CONNECTOR_ID_FMC_A);
        ASSERT_TRUE(fmc);
        const TPin* rzq = fmc->GetPin(401);
        EXPECT_EQ(rzq->GetName(), "FMC_RZQ");
        EXPECT_TRUE(rzq->IsActive());
        EXPECT_EQ(rzq->GetIoStandard(), c.standard);
        EXPECT_EQ(fmc->GetPin(400)->GetName(), "FMC_REFCLK_p");
        EXPECT_TRUE(fmc->GetPin(400)->IsActive());
        if (card != 40) {
            continue;
        }
        int singleEnded = 0;
        for (int j = 0; j < 400; ++j) {
            const TPin* p = fmc->GetPin(j);
            if (!p || !p->IsActive()) {
                continue;
            }
            // No pin keeps another voltage's standard.
            for (const IoStd other : {IOSTD_1V8, IOSTD_1V5, IOSTD_1V2}) {
                EXPECT_TRUE(other == c.standard || p->GetIoStandard() != other) << p->GetName();
            }
            singleEnded += p->GetIoStandard() == c.standard ? 1 : 0;
        }
        EXPECT_GT(singleEnded, 50) << c.code;
    }
}

// Every card of the FMC list at each JP2 voltage: each single-ended level
// of a card pin, passed or fixed in the card's map, is the voltage's
// standard, each lane HSSI (52); differential and SSTL/HSTL codes stay.
// The projects pass the real tools in one batch.
TEST(GristelCards, EveryFmcCardTakesTheBankVoltage) {
    struct Case {
        std::int32_t code;
        IoStd standard;
    };
    TempDir dir;
    std::vector<checker::ProjectToCheck> projects;
    for (const Case c : {Case{2, IOSTD_1V8}, Case{3, IOSTD_1V5}, Case{4, IOSTD_1V2}}) {
        Record r = Bare();
        a10test::SetI32(r, AT(FmcVoltage), c.code);
        const std::vector<std::uint8_t> list =
            PortCardList(Def(), EffectivePorts(Def(), r)[gristel::FMC]);
        ASSERT_GT(list.size(), 10u) << c.code;
        for (const std::uint8_t card : list) {
            if (card == 0) {
                continue;
            }
            const std::string name =
                "gristel_v" + std::to_string(c.code) + "_card" + std::to_string(card);
            SCOPED_TRACE(name);
            r[AT(FmcCardId)] = card;
            SetRecordFieldText(r, AT(ProjectName), name);
            const auto board = BuildBoardModel(Def(), r);
            const TConnector* fmc = board->GetExpansionConnector(CONNECTOR_ID_FMC_A);
            ASSERT_TRUE(fmc);
            int levels = 0;
            for (int j = 0; j < 400; ++j) {
                const TPin* p = fmc->GetPin(j);
                if (!p || !p->IsActive()) {
                    continue;
                }
                const IoStd standard = p->GetIoStandard();
                if (IsSingleEndedLevel(standard)) {
                    EXPECT_EQ(standard, c.standard) << p->GetName();
                    ++levels;
                }
                if (IsTransceiverStandard(standard)) {
                    EXPECT_EQ(standard, IOSTD_HSSI_DIFF) << p->GetName();
                }
            }
            EXPECT_GT(levels, 0);
            const std::string folder = dir.Path() + name + "/";
            ASSERT_TRUE(platform::ForceDirectories(folder));
            platform::ScriptedUi ui;
            ASSERT_TRUE(TPinsmith().Generate(board.get(), folder + name + ".qpf", false));
            projects.push_back({folder, name, checker::BoardCheckOptions(Def(), r)});
        }
    }
    const std::vector<std::vector<std::string>> problems = checker::CheckProjects(projects);
    for (std::size_t i = 0; i < projects.size(); ++i) {
        for (const std::string& problem : problems[i]) {
            ADD_FAILURE() << projects[i].name << ": " << problem;
        }
    }
}

TEST(GristelCards, SocketModulesAndTheirPrefixes) {
    struct Case {
        std::uint8_t card;
        const char* prefix;
        const char* expected;
    };
    for (const Case c : {Case{77, "", "DDR4A_"}, Case{78, "", "DDR4A_"}, Case{79, "", "QDRII_"},
                         Case{80, "", "QDRIV_"}, Case{80, "M_", "M_"}}) {
        Record r = Bare();
        r[AT(SocketCardId)] = c.card;
        SetRecordFieldText(r, AT(SocketPrefixName), c.prefix);
        const auto board = BuildBoardModel(Def(), r);
        const TConnector* socket = board->GetExpansionConnector(CONNECTOR_ID_DDR4_SOCKET);
        ASSERT_TRUE(socket);
        int named = 0;
        for (int j = 0; j < socket->GetPinCount(); ++j) {
            if (const TPin* p = socket->GetPin(j); p && p->IsActive()) {
                EXPECT_EQ(p->GetName().rfind(c.expected, 0), 0u) << p->GetName();
                ++named;
            }
        }
        EXPECT_GT(named, 50) << int(c.card);
        EXPECT_EQ(RecordFieldText(r, AT(SocketPrefixName)), c.prefix);
    }
}

struct Golden {
    const char* name;
    void (*edit)(Record&);
};

const Golden kGoldens[] = {
    {"GRISTEL", [](Record&) {}},
    {"gristel_1v5_qdr4_fmc",
     [](Record& r) {
         a10test::SetI32(r, AT(FmcVoltage), 3);
         r[AT(SocketCardId)] = 80;
         r[AT(FmcCardId)] = 40;
         r[AT(Hdmi)] = 1;
     }},
    {"gristel_vhdl_all",
     [](Record& r) {
         r = a10test::AllTicked(MAINBOARD_GRISTEL);
         r[AT(FileType)] = 1;
         r[AT(SocketCardId)] = 78;
     }},
};

class GristelGolden : public testing::TestWithParam<Golden> {};

TEST_P(GristelGolden, MatchesFixturesAndPassesTheTools) {
    Record record = a10test::Defaults(MAINBOARD_GRISTEL);
    GetParam().edit(record);
    golden::ExpectGoldenRecord(MAINBOARD_GRISTEL, record, GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(Records, GristelGolden, testing::ValuesIn(kGoldens),
                         [](const testing::TestParamInfo<Golden>& info) {
                             return std::string(info.param.name);
                         });

#undef AT

} // namespace
