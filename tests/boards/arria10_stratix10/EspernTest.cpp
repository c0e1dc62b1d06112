// The Espern board (board id 33): its settings class's text, the record,
// the pin filler's groups and counts, and golden projects checked with the
// real tools.

#include "A10Support.h"
#include "support/Golden.h"

#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/arria10_stratix10/ConfigEspern.h"
#include "boards/arria10_stratix10/EspernId.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using a10test::Record;
#define AT(f) offsetof(ESPERN_CONFIG, f)

std::string Lines(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines) {
        text += std::string(line) + "\r\n";
    }
    return text;
}

TEST(EspernText, QdrClockAlone) {
    TConfigEspern settings;
    settings.Config.Si5340BQdrIndex = 2;
    settings.Config.Qdr[4] = 1;
    settings.Config.Qdr[5] = 1;
    EXPECT_EQ(settings.GetVerilogCode(),
              Lines({
                  "",
                  "",
                  "//=======================================================",
                  "//  Configure SI5340B ",
                  "//=======================================================",
                  "`define REFCLK_QDR275   4'h0",
                  "`define REFCLK_QDR250   4'h1",
                  "`define REFCLK_QDR225   4'h2",
                  "",
                  "wire si5340b_controller_start;",
                  "wire si5340b_config_done;",
                  "",
                  "assign si5340b_controller_start = ~BUTTON[0];",
                  "",
                  "si5340b_controller si5340b_controller(",
                  "    .iCLK(CLK_50_B2F),",
                  "    .iRST_n(CPU_RESET_n),",
                  "    .iStart(si5340b_controller_start),",
                  "    .iPLL_OUT_FREQ_SEL(`REFCLK_QDR250),",
                  "    .I2C_CLK(SI5340B_I2C_SCL),",
                  "    .I2C_DATA(SI5340B_I2C_SDA),",
                  "    .oPLL_REG_CONFIG_DONE(si5340b_config_done)",
                  ");",
                  "",
                  "assign SI5340B_OE_n = 1'b0;",
                  "assign SI5340B_RST_n = CPU_RESET_n;",
                  "",
              }));
    EXPECT_EQ(
        settings.GetTerminationAssignments(),
        Lines({"", "#============================================================",
               "# Termination Settings",
               "#============================================================",
               "set_instance_assignment -name INPUT_TERMINATION DIFFERENTIAL -to QDRIIE_REFCLK_p",
               "set_instance_assignment -name INPUT_TERMINATION DIFFERENTIAL -to QDRIIF_REFCLK_p",
               ""}));
    const std::string includes = settings.GetSi5340FileAssignments();
    EXPECT_NE(includes.find("si5340_controller/initial_config.v\r\n"), std::string::npos);
    EXPECT_NE(includes.find("si5340_controller/si5340b_controller.v\r\n"), std::string::npos);
    EXPECT_EQ(includes.find("si5340a"), std::string::npos);
    TempDir dir;
    ASSERT_TRUE(settings.ExportIpFiles(dir.Path()));
    EXPECT_TRUE(std::filesystem::exists(dir.File("si5340_controller/si5340b_controller.v")));
    EXPECT_FALSE(std::filesystem::exists(dir.File("si5340_controller/si5340a_controller.v")));

    // The plan by index: any low byte but 1 and 2 selects 275 MHz.
    EXPECT_NE(TConfigEspern::GetSi5340BVerilog(1).find("(`REFCLK_QDR225)"), std::string::npos);
    EXPECT_NE(TConfigEspern::GetSi5340BVerilog(3).find("(`REFCLK_QDR275)"), std::string::npos);
    EXPECT_EQ(TConfigEspern::GetSi5340BQdrFrequency(3), 275);
    EXPECT_EQ(TConfigEspern::GetSi5340BQdrFrequency(4), 0);
}

TEST(EspernText, Si5340ABlockReportsDoneOnItsWire) {
    const std::string text = TConfigEspern::GetSi5340AVerilog(7, 0, 0, 0);
    EXPECT_NE(text.find("wire si5340a_controller_start;\r\nwire si5340a_config_done;\r\n\r\n"
                        "assign si5340a_controller_start = ~BUTTON[0];\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("    .iCLK(CLK_50_B2F),\r\n"), std::string::npos);
    EXPECT_NE(text.find("    .iPLL_OUT0_FREQ_SEL(`SI5340A_644M53125),//QSFP-A\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("    .oPLL_REG_CONFIG_DONE(si5340a_config_done)\r\n"), std::string::npos);
    EXPECT_NE(text.find("`define SI5340A_100M        3'h7\r\n"), std::string::npos);
}

TEST(EspernRecord, DefaultsAndMending) {
    Record r = a10test::Defaults(MAINBOARD_ESPERN);
    ASSERT_EQ(r.size(), 180u);
    EXPECT_EQ(r[0], 33);
    EXPECT_EQ(RecordFieldText(r, 8), "Espern");
    const std::vector<std::uint8_t> options(r.begin() + 136, r.begin() + 160);
    EXPECT_EQ(options, (std::vector<std::uint8_t>{1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0,
                                                  0, 0, 0, 0, 0, 1, 1, 0, 0, 0, 0, 0}));
    a10test::SetI32(r, AT(Si5340BQdrIndex), 4);
    a10test::SetI32(r, AT(Si5340AIndex) + 12, 7);
    MendRecord(*FindBoard(MAINBOARD_ESPERN), r);
    EXPECT_EQ(RecordAs<ESPERN_CONFIG>(r).Si5340BQdrIndex, 0);
    EXPECT_EQ(RecordAs<ESPERN_CONFIG>(r).Si5340AIndex[3], 7);
}

Record SelectAll() {
    Record r = a10test::AllTicked(MAINBOARD_ESPERN);
    for (int i = 0; i < 4; ++i) {
        a10test::SetI32(r, AT(Si5340AIndex) + 4 * static_cast<std::size_t>(i), 7);
    }
    a10test::SetI32(r, AT(Si5340BQdrIndex), 3);
    return r;
}

int PinCount(const TMainBoard& board) {
    int n = 0;
    for (int i = 0; i < board.GetConnectorCount(); ++i) {
        n += board.GetConnector(i)->GetPinCount();
    }
    return n;
}

TEST(EspernFiller, CountsAndForcedGroups) {
    Record r = SelectAll();
    auto board = a10test::Filled(MAINBOARD_ESPERN, r);
    EXPECT_EQ(board->GetConnectorCount(), 24);
    EXPECT_EQ(PinCount(*board), 632);
    r[AT(Ltm4677)] = 1;
    board = a10test::Filled(MAINBOARD_ESPERN, r);
    EXPECT_EQ(board->GetConnectorCount(), 25);
    EXPECT_EQ(PinCount(*board), 635);
    EXPECT_EQ(a10test::FindPin(*board, "QDRIIE_REFCLK_p")->GetFrequency(), "275.000000 MHz");
    EXPECT_EQ(a10test::FindPin(*board, "QSFPD_REFCLK_p")->GetFrequency(), "644.531250 MHz");
    EXPECT_FALSE(a10test::FindPin(*board, "PCIE_REFCLK_p")->IsClockPin());
    EXPECT_EQ(a10test::FindPin(*board, "FLASH_A[26]")->GetLocation(), "J11");
    EXPECT_EQ(a10test::FindPin(*board, "QDRIIF_ODT")->GetLocation(), "AE14");

    r = a10test::Defaults(MAINBOARD_ESPERN);
    for (const std::size_t offset : FindBoard(MAINBOARD_ESPERN)->peripherals) {
        r[offset] = 0;
    }
    EXPECT_EQ(a10test::Filled(MAINBOARD_ESPERN, r)->GetConnectorCount(), 0);
    a10test::SetI32(r, AT(Si5340BQdrIndex), 1);
    board = a10test::Filled(MAINBOARD_ESPERN, r);
    EXPECT_EQ(a10test::GroupNames(*board), (std::vector<std::string>{"CLOCK", "KEY", "SI5340B"}));
    EXPECT_EQ(board->GetConnector(0)->GetPinCount(), 8);
    EXPECT_EQ(board->GetConnector(1)->GetPinCount(), 5);
    r[AT(Qdr) + 4] = 1;
    EXPECT_EQ(a10test::GroupNames(*a10test::Filled(MAINBOARD_ESPERN, r)),
              (std::vector<std::string>{"CLOCK", "KEY", "QDRIIE", "RZQ", "SI5340B"}));
}

struct Golden {
    const char* name;
    void (*edit)(Record&);
};

const Golden kGoldens[] = {
    {"ESPERN", [](Record&) {}},
    {"espern_select_all_ltm4677",
     [](Record& r) {
         r = SelectAll();
         r[AT(Ltm4677)] = 1;
     }},
};

class EspernGolden : public testing::TestWithParam<Golden> {};

TEST_P(EspernGolden, MatchesFixturesAndPassesTheTools) {
    Record record = a10test::Defaults(MAINBOARD_ESPERN);
    GetParam().edit(record);
    golden::ExpectGoldenRecord(MAINBOARD_ESPERN, record, GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(Records, EspernGolden, testing::ValuesIn(kGoldens),
                         [](const testing::TestParamInfo<Golden>& info) {
                             return std::string(info.param.name);
                         });

#undef AT

} // namespace
