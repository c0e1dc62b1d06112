// The Zarvik board (board id 27): its settings class's text and export,
// the record's defaults and mending, the pin filler, and golden projects
// checked with the real tools.

#include "A10Support.h"
#include "support/Golden.h"

#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/arria10_stratix10/CONFIG_ZARVIK.h"
#include "boards/arria10_stratix10/ConfigZarvik.h"
#include "boards/arria10_stratix10/ZarvikId.h"
#include "platform/ScriptedUi.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using a10test::Record;
#define AT(f) offsetof(ZARVIK_CONFIG, f)

std::string Lines(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines) {
        text += std::string(line) + "\r\n";
    }
    return text;
}

TEST(ZarvikText, Si5340ABlockWithOneCageChosen) {
    const std::string expected = Lines({
        "",
        "",
        "//=======================================================",
        "//  Configure SI5340A ",
        "//=======================================================",
        "`define SI5340A_POWER_DOWN  3'h0",
        "`define SI5340A_644M53125   3'h1",
        "`define SI5340A_322M265625  3'h2",
        "`define SI5340A_312M5       3'h3",
        "`define SI5340A_250M        3'h4",
        "`define SI5340A_156M25      3'h5",
        "`define SI5340A_125M        3'h6",
        "`define SI5340A_100M        3'h7",
        "",
        "wire si5340a_controller_start;",
        "assign si5340a_controller_start = ~BUTTON[0];",
        "",
        "si5340a_controller si5340a_controller(",
        "    .iCLK(CLK_50_B2J),",
        "    .iRST_n(CPU_RESET_n),",
        "    .iStart(si5340a_controller_start),",
        "    .iPLL_OUT0_FREQ_SEL(`SI5340A_POWER_DOWN),//QSFP-A",
        "    .iPLL_OUT1_FREQ_SEL(`SI5340A_POWER_DOWN),//QSFP-B",
        "    .iPLL_OUT2_FREQ_SEL(`SI5340A_POWER_DOWN),//QSFP-C",
        "    .iPLL_OUT3_FREQ_SEL(`SI5340A_312M5),//QSFP-D",
        "    .I2C_CLK(SI5340A_I2C_SCL),",
        "    .I2C_DATA(SI5340A_I2C_SDA),",
        "    .oPLL_REG_CONFIG_DONE()",
        ");",
        "",
        "assign SI5340A_OE_n = 1'b0;",
        "assign SI5340A_RST_n = CPU_RESET_n;",
        "",
    });
    TConfigZarvik settings;
    settings.Config.Si5340AIndex[3] = 5;
    EXPECT_EQ(settings.GetVerilogCode(), expected);
    EXPECT_EQ(settings.GetSi5340FileAssignments(),
              Lines({"", "#============================================================",
                     "# Includes SI5340 Controller Files",
                     "#============================================================",
                     "set_global_assignment -name VERILOG_FILE si5340_controller/clock_divider.v",
                     "set_global_assignment -name VERILOG_FILE si5340_controller/edge_detector.v",
                     "set_global_assignment -name VERILOG_FILE "
                     "si5340_controller/i2c_bus_controller.v",
                     "set_global_assignment -name VERILOG_FILE si5340_controller/initial_config.v",
                     "set_global_assignment -name VERILOG_FILE "
                     "si5340_controller/si5340a_clk_frq_sel_gen.v",
                     "set_global_assignment -name VERILOG_FILE "
                     "si5340_controller/si5340a_controller.v",
                     "set_global_assignment -name VERILOG_FILE "
                     "si5340_controller/si5340a_freq_prameter_selector.v",
                     "set_global_assignment -name VERILOG_FILE "
                     "si5340_controller/si5340a_i2c_reg_controller.v",
                     ""}));
}

TEST(ZarvikText, Si5340BBlockAndItsPlanMacro) {
    const std::string expected = Lines({
        "",
        "",
        "//=======================================================",
        "//  Configure SI5340B ",
        "//=======================================================",
        "`define DDR266_QDR275_PCIE100   4'h0",
        "`define DDR233_QDR275_PCIE100   4'h1",
        "`define DDR200_QDR275_PCIE100   4'h2",
        "`define DDR266_QDR250_PCIE100   4'h3",
        "`define DDR233_QDR250_PCIE100   4'h4",
        "`define DDR200_QDR250_PCIE100   4'h5",
        "`define DDR266_QDR225_PCIE100   4'h6",
        "`define DDR233_QDR225_PCIE100   4'h7",
        "`define DDR200_QDR225_PCIE100   4'h8",
        "`define DDR266_QDR233_PCIE100   4'h9",
        "`define DDR233_QDR233_PCIE100   4'hA",
        "`define DDR200_QDR233_PCIE100   4'hB",
        "",
        "wire si5340b_controller_start;",
        "wire config_done;",
        "",
        "assign si5340b_controller_start = ~BUTTON[0];",
        "",
        "si5340b_controller si5340b_controller(",
        "    .iCLK(CLK_50_B2J),",
        "    .iRST_n(CPU_RESET_n),",
        "    .iStart(si5340b_controller_start),",
        "    .iPLL_OUT_FREQ_SEL(`DDR266_QDR275_PCIE100),",
        "    .I2C_CLK(SI5340B_I2C_SCL),",
        "    .I2C_DATA(SI5340B_I2C_SDA),",
        "    .oPLL_REG_CONFIG_DONE(config_done)",
        ");",
        "",
        "assign SI5340B_OE_n = 1'b0;",
        "assign SI5340B_RST_n = CPU_RESET_n;",
        "",
    });
    TConfigZarvik settings;
    settings.Config.Si5340BDdrIndex = 3;
    settings.Config.Si5340BPcieIndex = 1;
    EXPECT_EQ(settings.GetVerilogCode(), expected);
    // The plan parts by index; 0 and the last index share the default.
    struct Case {
        std::uint8_t ddr, qdr;
        const char* macro;
    };
    for (const Case c : {Case{1, 1, "DDR200_QDR225_PCIE100"}, Case{2, 2, "DDR233_QDR233_PCIE100"},
                         Case{0, 3, "DDR266_QDR250_PCIE100"}, Case{3, 4, "DDR266_QDR275_PCIE100"},
                         Case{0, 0, "DDR266_QDR275_PCIE100"}}) {
        EXPECT_NE(TConfigZarvik::GetSi5340BVerilog(c.ddr, c.qdr, 0)
                      .find(std::string("    .iPLL_OUT_FREQ_SEL(`") + c.macro + "),\r\n"),
                  std::string::npos)
            << c.macro;
    }
}

TEST(ZarvikText, NothingChosenWritesNothing) {
    TConfigZarvik settings;
    EXPECT_EQ(settings.GetVerilogCode(), "");
    EXPECT_EQ(settings.GetQsfAssignments(), "");
    TempDir dir;
    EXPECT_TRUE(settings.ExportIpFiles(dir.Path()));
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}

TEST(ZarvikText, TerminationLinesFollowTheTicks) {
    TConfigZarvik settings;
    settings.Config.Ddr3B = 1;
    settings.Config.Qdr[2] = 1;
    settings.Config.Pcie = 1;
    settings.Config.PcieObClock = 1; // at "Not Use": no pin, so no line
    settings.Config.Qsfp[3] = 1;
    const std::string expected = Lines({
        "",
        "#============================================================",
        "# Termination Settings",
        "#============================================================",
        "set_instance_assignment -name INPUT_TERMINATION DIFFERENTIAL -to DDR3B_REFCLK_p",
        "set_instance_assignment -name INPUT_TERMINATION DIFFERENTIAL -to QDRIIC_REFCLK_p",
        "set_instance_assignment -name XCVR_REFCLK_PIN_TERMINATION DC_COUPLING_EXTERNAL_RESISTOR "
        "-to PCIE_REFCLK_p",
        "set_instance_assignment -name XCVR_IO_PIN_TERMINATION 100_OHMS -to PCIE_TX_p",
        "set_instance_assignment -name XCVR_IO_PIN_TERMINATION 100_OHMS -to PCIE_RX_p",
        "set_instance_assignment -name XCVR_REFCLK_PIN_TERMINATION AC_COUPLING -to QSFPD_REFCLK_p",
        "set_instance_assignment -name XCVR_IO_PIN_TERMINATION 100_OHMS -to QSFPD_RX_p",
        "set_instance_assignment -name XCVR_IO_PIN_TERMINATION 100_OHMS -to QSFPD_TX_p",
        "",
    });
    EXPECT_EQ(settings.GetQsfAssignments(), expected);
    settings.Config.Si5340BPcieIndex = 1;
    const std::string ob = "set_instance_assignment -name XCVR_REFCLK_PIN_TERMINATION "
                           "AC_COUPLING -to OB_PCIE_REFCLK_p\r\n";
    const std::string withClock = settings.GetTerminationAssignments();
    ASSERT_NE(withClock.find(ob), std::string::npos);
    EXPECT_LT(withClock.find("PCIE_RX_p"), withClock.find(ob));
    EXPECT_LT(withClock.find(ob), withClock.find("QSFPD_REFCLK_p"));
}

TEST(ZarvikText, LookupsAndMacros) {
    EXPECT_EQ(TConfigZarvik::GetSi5340AFrequency(6), 322.265);
    EXPECT_EQ(TConfigZarvik::GetSi5340AFrequency(7), 644.53125);
    EXPECT_EQ(TConfigZarvik::GetSi5340AFrequency(8), 0);
    EXPECT_EQ(TConfigZarvik::GetSi5340AFrequency(0xFF), 0);
    EXPECT_EQ(TConfigZarvik::GetSi5340BDdrFrequency(2), 233.333);
    EXPECT_EQ(TConfigZarvik::GetSi5340BDdrFrequency(4), 0);
    EXPECT_EQ(TConfigZarvik::GetSi5340BQdrFrequency(4), 275);
    EXPECT_EQ(TConfigZarvik::GetSi5340BPcieFrequency(1), 100);
    EXPECT_EQ(TConfigZarvik::GetSi5340BPcieFrequency(2), 0);
    EXPECT_EQ(TConfigZarvik::GetSi5340AMacroName(6), "SI5340A_322M265625");
    EXPECT_EQ(TConfigZarvik::GetSi5340AMacroName(8), "");
    // An index without a macro never leaves a "`" alone in the Verilog.
    EXPECT_NE(TConfigZarvik::GetSi5340AVerilog(9, 1, 1, 1)
                  .find("    .iPLL_OUT0_FREQ_SEL(`SI5340A_POWER_DOWN),//QSFP-A"),
              std::string::npos);
}

TEST(ZarvikText, ExportWritesTheUsedGroupsOnly) {
    TConfigZarvik settings;
    settings.Config.Si5340BPcieIndex = 1;
    TempDir dir;
    ASSERT_TRUE(settings.ExportIpFiles(dir.Path()));
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir.File("si5340_controller"))) {
        files.push_back(entry.path().filename().string());
    }
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{
                         "clock_divider.v", "edge_detector.v", "i2c_bus_controller.v",
                         "initial_config.v", "si5340b_clk_frq_sel_gen.v", "si5340b_controller.v",
                         "si5340b_freq_prameter_selector.v", "si5340b_i2c_reg_controller.v"}));
}

TEST(ZarvikRecord, DefaultsAndMending) {
    Record r = a10test::Defaults(MAINBOARD_ZARVIK);
    ASSERT_EQ(r.size(), 188u);
    EXPECT_EQ(r[0], 27);
    EXPECT_EQ(r[4] | r[5] << 8, 188);
    EXPECT_EQ(RecordFieldText(r, 8), "ZARVIK");
    const std::vector<std::uint8_t> options(r.begin() + 136, r.begin() + 160);
    EXPECT_EQ(options, (std::vector<std::uint8_t>{1, 1, 1, 1, 1, 0, 1, 1, 0, 0, 0, 0,
                                                  0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 1, 0}));
    EXPECT_TRUE(std::all_of(r.begin() + 160, r.end(), [](std::uint8_t b) { return b == 0; }));

    r[AT(DeviceVariant)] = 4;
    a10test::SetI32(r, AT(Si5340AIndex) + 4, 8);
    a10test::SetI32(r, AT(Si5340AIndex) + 8, 7);
    a10test::SetI32(r, AT(Si5340BDdrIndex), -1);
    a10test::SetI32(r, AT(Si5340BQdrIndex), 4);
    a10test::SetI32(r, AT(Si5340BPcieIndex), 0x101);
    MendRecord(*FindBoard(MAINBOARD_ZARVIK), r);
    const ZARVIK_CONFIG c = RecordAs<ZARVIK_CONFIG>(r);
    EXPECT_EQ(c.DeviceVariant, 0);
    EXPECT_EQ(c.Si5340AIndex[1], 0);
    EXPECT_EQ(c.Si5340AIndex[2], 7);
    EXPECT_EQ(c.Si5340BDdrIndex, 0);
    EXPECT_EQ(c.Si5340BQdrIndex, 4);
    EXPECT_EQ(c.Si5340BPcieIndex, 0);
}

TEST(ZarvikRecord, ForeignFileRefused) {
    TempDir dir;
    TConfigZarvik settings;
    settings.Config.BoardId = 27;
    settings.Config.Size = 188;
    SetRecordFieldText(RecordSpan(reinterpret_cast<std::uint8_t*>(&settings.Config), 188), 8,
                       "MINE");
    platform::ScriptedUi ui;
    ASSERT_TRUE(settings.SaveToFile(dir.File("mine.cfg")));
    TConfigZarvik other;
    EXPECT_TRUE(other.LoadFromFile(dir.File("mine.cfg")));
    EXPECT_EQ(std::string(other.Config.ProjectName), "MINE");
    settings.Config.BoardId = 28; // a Zarvik_DDR4 file of the same size
    ASSERT_TRUE(settings.SaveToFile(dir.File("ddr4.cfg")));
    EXPECT_FALSE(other.LoadFromFile(dir.File("ddr4.cfg")));
    EXPECT_EQ(other.Config.BoardId, 27);
}

TEST(ZarvikFiller, OnlyAChipForcesItsInputs) {
    Record r = a10test::Defaults(MAINBOARD_ZARVIK);
    for (const std::size_t offset : FindBoard(MAINBOARD_ZARVIK)->peripherals) {
        r[offset] = 0;
    }
    auto board = a10test::Filled(MAINBOARD_ZARVIK, r);
    EXPECT_EQ(board->GetConnectorCount(), 0);
    EXPECT_EQ(board->m_Device, "10AX115N3F45I2SG");
    EXPECT_EQ(board->m_Family, "Arria 10");
    EXPECT_EQ(board->m_PinCount, 1932);
    EXPECT_EQ(board->m_SpeedGradeText, "");

    a10test::SetI32(r, AT(Si5340AIndex), 3);
    r[AT(DeviceVariant)] = 3;
    board = a10test::Filled(MAINBOARD_ZARVIK, r);
    EXPECT_EQ(a10test::GroupNames(*board), (std::vector<std::string>{"KEY", "CLOCK", "SI5340A"}));
    EXPECT_EQ(board->GetConnector(0)->GetPinCount(), 2);
    EXPECT_EQ(board->GetConnector(1)->GetPinCount(), 1);
    EXPECT_EQ(board->m_Device, "\t10AX090N3F45I2SG");
}

TEST(ZarvikFiller, GroupOrderAndReferenceClocks) {
    Record r = a10test::AllTicked(MAINBOARD_ZARVIK);
    a10test::SetI32(r, AT(Si5340AIndex) + 4, 6);
    a10test::SetI32(r, AT(Si5340BDdrIndex), 2);
    a10test::SetI32(r, AT(Si5340BQdrIndex), 4);
    a10test::SetI32(r, AT(Si5340BPcieIndex), 1);
    const auto board = a10test::Filled(MAINBOARD_ZARVIK, r);
    EXPECT_EQ(a10test::GroupNames(*board), (std::vector<std::string>{"KEY",
                                                                     "CLOCK",
                                                                     "SW",
                                                                     "LED",
                                                                     "LED_BRACKET",
                                                                     "SEG7",
                                                                     "DDR3 SODIMM",
                                                                     "DDR3 SODIMM",
                                                                     "FAN",
                                                                     "FLASH",
                                                                     "PCIe On-Board Ref Clock",
                                                                     "PCIE",
                                                                     "POWER Monitor",
                                                                     "QDRIIA",
                                                                     "QDRIIB",
                                                                     "QDRIIC",
                                                                     "QDRIID",
                                                                     "QSFPA",
                                                                     "QSFPB",
                                                                     "QSFPC",
                                                                     "QSFPD",
                                                                     "RS422",
                                                                     "RZQ",
                                                                     "SI5340A",
                                                                     "SI5340B",
                                                                     "SMA",
                                                                     "Temperature"}));
    struct Clock {
        const char* pin;
        const char* location;
        const char* frequency; // "" for a plain input
    };
    for (const Clock c :
         {Clock{"QSFPA_REFCLK_p", "AH5", ""}, Clock{"QSFPB_REFCLK_p", "AD5", "322.265000 MHz"},
          Clock{"DDR3A_REFCLK_p", "AV33", "233.333000 MHz"},
          Clock{"DDR3B_REFCLK_p", "AP14", "233.333000 MHz"},
          Clock{"QDRIID_REFCLK_p", "M34", "275.000000 MHz"}, Clock{"OB_PCIE_REFCLK_p", "AK40", ""},
          Clock{"CLK_100_B3D", "AH11", "100.000000 MHz"}}) {
        const TPin* pin = a10test::FindPin(*board, c.pin);
        ASSERT_TRUE(pin) << c.pin;
        EXPECT_EQ(pin->GetLocation(), c.location) << c.pin;
        EXPECT_EQ(pin->GetFrequency(), c.frequency) << c.pin;
        EXPECT_EQ(pin->IsClockPin(), *c.frequency != 0) << c.pin;
    }
    // Each socket: 204 positions, 80 of them without a pin, then its clock.
    for (int s = 0; s < 2; ++s) {
        const TConnector* socket =
            board->GetExpansionConnector(ConnectorIdAt(CONNECTOR_ID_DDR3_SODIMM_A, s));
        ASSERT_TRUE(socket);
        EXPECT_EQ(socket->GetPinCount(), 205);
        EXPECT_EQ(a10test::NullEntries(*socket), 80);
        EXPECT_EQ(socket->GetType(), CONNECTOR_DDR3_SODIMM);
        EXPECT_EQ(socket->GetDescription(), s == 0 ? "DDR3 SODIMM_A" : "DDR3 SODIMM_B");
    }
    EXPECT_EQ(board->GetExpansionConnector(CONNECTOR_ID_DDR3_SODIMM_A)->GetPin(3)->GetLocation(),
              "AH35");
    EXPECT_EQ(a10test::FindPin(*board, "FLASH_A[1]")->GetLocation(), "H26");
    EXPECT_EQ(a10test::FindPin(*board, "FLASH_A[26]")->GetLocation(), "B14");
    EXPECT_EQ(a10test::FindPin(*board, "FLASH_A[0]"), nullptr);
    EXPECT_EQ(a10test::FindPin(*board, "SI5340B_OE_n")->GetIoStandard(), IOSTD_1V5);
    EXPECT_EQ(a10test::FindPin(*board, "QDRIIA_K_p")->GetIoStandard(), IOSTD_DIFF_1V8_HSTL_I);
}

// The module covers positions 1..204; the reference clock after them keeps
// its name, direction and clock.
TEST(ZarvikCards, ModuleKeepsTheSocketClock) {
    Record r = a10test::Defaults(MAINBOARD_ZARVIK);
    r[AT(Ddr3A)] = 1;
    r[AT(Ddr3B)] = 1;
    a10test::SetI32(r, AT(Si5340BDdrIndex), 3);
    const auto board = BuildBoardModel(*FindBoard(MAINBOARD_ZARVIK), r);
    for (const char* name : {"DDR3A_REFCLK_p", "DDR3B_REFCLK_p"}) {
        const TPin* pin = a10test::FindPin(*board, name);
        ASSERT_TRUE(pin) << name;
        EXPECT_TRUE(pin->IsActive());
        EXPECT_EQ(pin->GetDirection(), PIN_DIR_INPUT);
        EXPECT_EQ(pin->GetFrequency(), "266.667000 MHz");
    }
    EXPECT_TRUE(a10test::FindPin(*board, "DDR3B_DQ[0]") || a10test::FindPin(*board, "DDR3B_dq[0]"));
}

struct Golden {
    const char* name;
    void (*edit)(Record&);
};

const Golden kGoldens[] = {
    {"ZARVIK", [](Record&) {}},
    {"zarvik_all",
     [](Record& r) {
         r = a10test::AllTicked(MAINBOARD_ZARVIK);
         for (int i = 0; i < 4; ++i) {
             a10test::SetI32(r, AT(Si5340AIndex) + 4 * static_cast<std::size_t>(i), i + 4);
         }
         a10test::SetI32(r, AT(Si5340BDdrIndex), 3);
         a10test::SetI32(r, AT(Si5340BQdrIndex), 2);
         a10test::SetI32(r, AT(Si5340BPcieIndex), 1);
         r[AT(DeviceVariant)] = 2;
     }},
    {"zarvik_ob_pcie_not_use",
     [](Record& r) {
         r[AT(PcieObClock)] = 1;
         r[AT(Pcie)] = 1;
         a10test::SetI32(r, AT(Si5340BQdrIndex), 1);
     }},
};

class ZarvikGolden : public testing::TestWithParam<Golden> {};

TEST_P(ZarvikGolden, MatchesFixturesAndPassesTheTools) {
    Record record = a10test::Defaults(MAINBOARD_ZARVIK);
    GetParam().edit(record);
    golden::ExpectGoldenRecord(MAINBOARD_ZARVIK, record, GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(Records, ZarvikGolden, testing::ValuesIn(kGoldens),
                         [](const testing::TestParamInfo<Golden>& info) {
                             return std::string(info.param.name);
                         });

#undef AT

} // namespace
