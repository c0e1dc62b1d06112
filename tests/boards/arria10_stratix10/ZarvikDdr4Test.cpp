// Zarvik's DDR4 edition (board id 28): the Si5340B plan table, the decimal
// Si5340A codes, the record, the pin filler and golden projects checked
// with the real tools.

#include "A10Support.h"
#include "support/Golden.h"

#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/arria10_stratix10/ConfigZarvikDdr4.h"
#include "boards/arria10_stratix10/ZarvikDdr4Id.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using a10test::Record;
#define AT(f) offsetof(ZARVIK_DDR4_CONFIG, f)

// DDR index 1..5 and QDR index 1..4 against the plan the block selects:
// the macro names the two frequencies, its code is q * 5 + d with d the
// DDR frequency's place in 300, 266, 233, 200, 150 and q the QDR's in
// 275, 250, 225, 233. The last index of each list shares the default.
TEST(ZarvikDdr4Text, PlanMacroOfEveryPair) {
    const char* ddrByIndex[] = {"", "150", "200", "233", "266", "300"};
    const char* qdrByIndex[] = {"", "225", "233", "250", "275"};
    const std::vector<std::string> ddrOrder = {"300", "266", "233", "200", "150"};
    const std::vector<std::string> qdrOrder = {"275", "250", "225", "233"};
    for (std::uint8_t d = 1; d <= 5; ++d) {
        for (std::uint8_t q = 1; q <= 4; ++q) {
            const std::string ddr = ddrByIndex[d];
            const std::string qdr = qdrByIndex[q];
            const std::string macro = "DDR" + ddr + "_QDR" + qdr + "_PCIE100";
            const auto place = [](const std::vector<std::string>& order, const std::string& v) {
                return static_cast<int>(std::find(order.begin(), order.end(), v) - order.begin());
            };
            const int code = place(qdrOrder, qdr) * 5 + place(ddrOrder, ddr);
            const std::string block = TConfigZarvik_DDR4::GetSi5340BVerilog(d, q, 0);
            EXPECT_NE(block.find("`define " + macro + "   5'd" + std::to_string(code) + "\r\n"),
                      std::string::npos)
                << macro;
            EXPECT_NE(block.find("    .iPLL_OUT_FREQ_SEL(`" + macro + "),\r\n"), std::string::npos)
                << int(d) << " " << int(q);
        }
    }
    const std::string block = TConfigZarvik_DDR4::GetSi5340BVerilog(0, 0, 1);
    EXPECT_NE(block.find("(`DDR266_QDR275_PCIE100)"), std::string::npos);
    // Twenty defines, one per line, 5'd0 .. 5'd19 in order.
    std::size_t at = 0;
    for (int code = 0; code < 20; ++code) {
        const std::size_t next = block.find("5'd" + std::to_string(code) + "\r\n", at);
        ASSERT_NE(next, std::string::npos) << code;
        at = next;
    }
    EXPECT_NE(block.find("wire config_done;\r\n"), std::string::npos);
    EXPECT_NE(block.find(".oPLL_REG_CONFIG_DONE(config_done)\r\n"), std::string::npos);
}

TEST(ZarvikDdr4Text, DecimalSi5340ACodesAndExportNames) {
    TConfigZarvik_DDR4 settings;
    settings.Config.Si5340AIndex[0] = 7;
    const std::string text = settings.GetVerilogCode();
    EXPECT_EQ(text.rfind("\r\n\r\n//=======================================================\r\n"
                         "//  Configure SI5340A \r\n",
                         0),
              0u);
    EXPECT_NE(text.find("`define SI5340A_POWER_DOWN  3'd0\r\n"), std::string::npos);
    EXPECT_NE(text.find("`define SI5340A_100M        3'd7\r\n"), std::string::npos);
    EXPECT_NE(text.find("    .iPLL_OUT0_FREQ_SEL(`SI5340A_644M53125),//QSFP-A\r\n"),
              std::string::npos);
    EXPECT_EQ(text.find("SI5340B"), std::string::npos);

    settings.Config.Ddr4A = 1;
    EXPECT_NE(settings.GetQsfAssignments().find(
                  "set_instance_assignment -name INPUT_TERMINATION DIFFERENTIAL -to "
                  "DDR4A_REFCLK_p\r\n"),
              std::string::npos);
    EXPECT_EQ(settings.GetQsfAssignments().find("DDR3"), std::string::npos);

    TempDir dir;
    ASSERT_TRUE(settings.ExportIpFiles(dir.Path()));
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.File("si5340_controller"))) {
        EXPECT_EQ(entry.path().filename().string().find("si5340b"), std::string::npos);
        ++files;
    }
    EXPECT_EQ(files, 8);
}

TEST(ZarvikDdr4Text, Lookups) {
    struct Case {
        std::uint8_t index;
        double ddr;
    };
    for (const Case c :
         {Case{0, 0}, Case{1, 150}, Case{3, 233.333}, Case{4, 266.667}, Case{5, 300}, Case{6, 0}}) {
        EXPECT_EQ(TConfigZarvik_DDR4::GetSi5340BDdrFrequency(c.index), c.ddr) << int(c.index);
    }
    EXPECT_EQ(TConfigZarvik_DDR4::GetSi5340BQdrFrequency(2), 233.333);
    EXPECT_EQ(TConfigZarvik_DDR4::GetSi5340AFrequency(6), 322.265);
}

TEST(ZarvikDdr4Record, DefaultsAndMending) {
    Record r = a10test::Defaults(MAINBOARD_ZARVIK_DDR4);
    ASSERT_EQ(r.size(), 188u);
    EXPECT_EQ(r[0], 28);
    EXPECT_EQ(RecordFieldText(r, 8), "ZARVIK");
    const std::vector<std::uint8_t> options(r.begin() + 136, r.begin() + 160);
    EXPECT_EQ(options, (std::vector<std::uint8_t>{1, 1, 1, 1, 1, 0, 1, 1, 0, 0, 0, 0,
                                                  0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 1, 0}));
    a10test::SetI32(r, AT(Si5340BDdrIndex), 6);
    a10test::SetI32(r, AT(Si5340BQdrIndex), 5);
    a10test::SetI32(r, AT(Si5340AIndex), 5);
    MendRecord(*FindBoard(MAINBOARD_ZARVIK_DDR4), r);
    const ZARVIK_DDR4_CONFIG c = RecordAs<ZARVIK_DDR4_CONFIG>(r);
    EXPECT_EQ(c.Si5340BDdrIndex, 0);
    EXPECT_EQ(c.Si5340BQdrIndex, 0);
    EXPECT_EQ(c.Si5340AIndex[0], 5);
}

TEST(ZarvikDdr4Filler, GroupOrders) {
    Record r = a10test::Defaults(MAINBOARD_ZARVIK_DDR4);
    EXPECT_EQ(a10test::GroupNames(*a10test::Filled(MAINBOARD_ZARVIK_DDR4, r)),
              (std::vector<std::string>{"CLOCK", "KEY", "SW", "LED", "SEG7", "FAN", "FLASH",
                                        "TPS40428", "Temperature", "POWER Monitor"}));
    for (const std::size_t offset : FindBoard(MAINBOARD_ZARVIK_DDR4)->peripherals) {
        r[offset] = 0;
    }
    r[AT(Tps40428)] = 0;
    auto board = a10test::Filled(MAINBOARD_ZARVIK_DDR4, r);
    EXPECT_EQ(board->GetConnectorCount(), 0);
    EXPECT_EQ(board->m_Device, "10AX115N2F45E1SG");
    EXPECT_EQ(board->m_SpeedGradeText, "E1");

    r[AT(Qsfp)] = 1;
    a10test::SetI32(r, AT(Si5340AIndex), 1);
    board = a10test::Filled(MAINBOARD_ZARVIK_DDR4, r);
    EXPECT_EQ(a10test::GroupNames(*board),
              (std::vector<std::string>{"CLOCK", "KEY", "SI5340A", "QSFPA"}));
    EXPECT_EQ(board->GetConnector(0)->GetPinCount(), 1);
    EXPECT_EQ(board->GetConnector(1)->GetPinCount(), 2);
    EXPECT_EQ(a10test::FindPin(*board, "QSFPA_REFCLK_p")->GetFrequency(), "100.000000 MHz");
    EXPECT_EQ(board->GetConnector(3)->GetPin(0)->GetName(), "QSFPA_REFCLK_p");
}

TEST(ZarvikDdr4Filler, SocketsAndTheirClocks) {
    Record r = a10test::AllTicked(MAINBOARD_ZARVIK_DDR4);
    a10test::SetI32(r, AT(Si5340BQdrIndex), 2);
    const auto board = a10test::Filled(MAINBOARD_ZARVIK_DDR4, r);
    EXPECT_EQ(
        a10test::GroupNames(*board),
        (std::vector<std::string>{"CLOCK",    "KEY",    "SW",          "LED",           "SEG7",
                                  "FAN",      "FLASH",  "DDR4 SODIMM", "DDR4 SODIMM",   "QDRIIA",
                                  "QDRIIB",   "QDRIIC", "QDRIID",      "RZQ",           "SI5340B",
                                  "TPS40428", "RS422",  "Temperature", "POWER Monitor", "PCIE",
                                  "QSFPA",    "QSFPB",  "QSFPC",       "QSFPD",         "SMA"}));
    for (int s = 0; s < 2; ++s) {
        const TConnector* socket =
            board->GetExpansionConnector(ConnectorIdAt(CONNECTOR_ID_DDR4_SODIMM_A, s));
        ASSERT_TRUE(socket);
        EXPECT_EQ(socket->GetPinCount(), 261);
        EXPECT_EQ(a10test::NullEntries(*socket), 134);
        EXPECT_EQ(socket->GetType(), CONNECTOR_DDR4_SODIMM);
        const TPin* clock = socket->GetPin(260);
        EXPECT_EQ(clock->GetName(), s == 0 ? "DDR4A_REFCLK_p" : "DDR4B_REFCLK_p");
        EXPECT_FALSE(clock->IsClockPin()); // "Not Use": a plain input
    }
    EXPECT_EQ(board->GetExpansionConnector(CONNECTOR_ID_DDR4_SODIMM_A)->GetPin(253)->GetLocation(),
              "BC33");
    EXPECT_EQ(a10test::FindPin(*board, "QDRIIC_REFCLK_p")->GetFrequency(), "233.333000 MHz");
    EXPECT_EQ(a10test::FindPin(*board, "HEX0_D[6]")->GetIoStandard(), IOSTD_1V8);
    EXPECT_EQ(a10test::FindPin(*board, "HEX0_D[5]")->GetIoStandard(), IOSTD_1V2);
}

TEST(ZarvikDdr4Cards, ModuleKeepsTheSocketClock) {
    Record r = a10test::Defaults(MAINBOARD_ZARVIK_DDR4);
    r[AT(Ddr4B)] = 1;
    a10test::SetI32(r, AT(Si5340BDdrIndex), 5);
    const auto board = BuildBoardModel(*FindBoard(MAINBOARD_ZARVIK_DDR4), r);
    const TConnector* socket =
        board->GetExpansionConnector(ConnectorIdAt(CONNECTOR_ID_DDR4_SODIMM_A, 1));
    ASSERT_TRUE(socket);
    const TPin* clock = socket->GetPin(260);
    EXPECT_EQ(clock->GetName(), "DDR4B_REFCLK_p");
    EXPECT_TRUE(clock->IsActive());
    EXPECT_EQ(clock->GetFrequency(), "300.000000 MHz");
    int prefixed = 0;
    for (int j = 0; j < 260; ++j) {
        if (const TPin* p = socket->GetPin(j); p && p->IsActive()) {
            EXPECT_EQ(p->GetName().rfind("DDR4B_", 0), 0u) << p->GetName();
            ++prefixed;
        }
    }
    EXPECT_GT(prefixed, 100);
}

struct Golden {
    const char* name;
    void (*edit)(Record&);
};

const Golden kGoldens[] = {
    {"zarvik_ddr4_defaults", [](Record&) {}},
    {"zarvik_ddr4_b_qdr",
     [](Record& r) {
         r[AT(Ddr4B)] = 1;
         r[AT(Qdr) + 1] = 1;
         a10test::SetI32(r, AT(Si5340BDdrIndex), 5);
         a10test::SetI32(r, AT(Si5340BQdrIndex), 2);
     }},
    {"zarvik_ddr4_all",
     [](Record& r) {
         r = a10test::AllTicked(MAINBOARD_ZARVIK_DDR4);
         for (int i = 0; i < 4; ++i) {
             a10test::SetI32(r, AT(Si5340AIndex) + 4 * static_cast<std::size_t>(i), 7 - i);
         }
         a10test::SetI32(r, AT(Si5340BDdrIndex), 1);
         a10test::SetI32(r, AT(Si5340BQdrIndex), 4);
         a10test::SetI32(r, AT(Si5340BPcieIndex), 1);
     }},
};

class ZarvikDdr4Golden : public testing::TestWithParam<Golden> {};

TEST_P(ZarvikDdr4Golden, MatchesFixturesAndPassesTheTools) {
    Record record = a10test::Defaults(MAINBOARD_ZARVIK_DDR4);
    GetParam().edit(record);
    golden::ExpectGoldenRecord(MAINBOARD_ZARVIK_DDR4, record, GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(Records, ZarvikDdr4Golden, testing::ValuesIn(kGoldens),
                         [](const testing::TestParamInfo<Golden>& info) {
                             return std::string(info.param.name);
                         });

#undef AT

} // namespace
