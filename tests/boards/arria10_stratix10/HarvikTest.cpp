// The Harvik board (board id 36): its settings class's text, the record and
// its presets, the settings rules, the pin filler against its fixture, the
// sockets' modules, and golden projects checked with the real tools.

#include "A10Support.h"
#include "support/Golden.h"

#include "boards/BoardDump.h"
#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/arria10_stratix10/CONFIG_HARVIK.h"
#include "boards/arria10_stratix10/ConfigHarvik.h"
#include "boards/arria10_stratix10/HarvikBoard.h"
#include "boards/arria10_stratix10/HarvikId.h"
#include "platform/Files.h"
#include "platform/Resources.h"
#include "platform/Ui.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <map>
#include <regex>
#include <string>
#include <vector>

namespace {

using a10test::Record;
#define AT(f) offsetof(HARVIK_CONFIG, f)

const BoardDef& Def() {
    return *FindBoard(MAINBOARD_HARVIK);
}

std::string Lines(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines) {
        text += std::string(line) + "\r\n";
    }
    return text;
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos;
         at = text.find("\r\n", from)) {
        lines.push_back(text.substr(from, at - from));
        from = at + 2;
    }
    EXPECT_EQ(from, text.size()) << "text ends without CR LF";
    return lines;
}

// A settings object with nothing in use: no port, no socket, no box.
TConfigHarvik Bare() {
    TConfigHarvik settings;
    Record r = a10test::Defaults(MAINBOARD_HARVIK);
    settings.Config = RecordAs<HARVIK_CONFIG>(r);
    HARVIK_CONFIG& c = settings.Config;
    for (const std::size_t offset : Def().peripherals) {
        reinterpret_cast<std::uint8_t*>(&c)[offset] = 0;
    }
    for (int s = 0; s < 4; ++s) {
        c.SocketCardId[s] = 0;
    }
    return settings;
}

Record BareRecord() {
    const TConfigHarvik settings = Bare();
    Record r(sizeof(HARVIK_CONFIG));
    StoreRecord(r, settings.Config);
    return r;
}

TEST(HarvikRecord, DefaultsByteForByteAndPresets) {
    const Record r = a10test::Defaults(MAINBOARD_HARVIK);
    ASSERT_EQ(r.size(), 700u);
    Record expected(700, 0);
    expected[0] = 36;
    expected[4] = 700 & 0xFF;
    expected[5] = 700 >> 8;
    const auto text = [&](std::size_t at, const std::string& s) {
        std::copy(s.begin(), s.end(), expected.begin() + static_cast<std::ptrdiff_t>(at));
    };
    text(8, "Harvik");
    for (std::size_t o = 137; o <= 147; ++o) {
        expected[o] = 1;
    }
    for (std::size_t s = 0; s < 4; ++s) {
        expected[180 + s] = 1;
        expected[184 + s] = 78;
        text(188 + s * 128, std::string("DDR4") + static_cast<char>('A' + s) + "_");
    }
    EXPECT_EQ(r, expected);

    // A preset returns every setting to its default first.
    Record changed = r;
    SetRecordFieldText(changed, AT(ProjectName), "Mine");
    changed[AT(Led)] = 0;
    changed[AT(TopFileVhdl)] = 1;
    a10test::SetI32(changed, AT(XcvrRefIndex), 3);
    Record ddr4 = changed;
    SetHarvikPreset(ddr4, HarvikMemory::Ddr4);
    EXPECT_EQ(ddr4, r);
    struct Case {
        HarvikMemory kind;
        std::uint8_t card;
        const char* word;
        std::int32_t memRefIndex;
    };
    for (const Case c :
         {Case{HarvikMemory::Qdr2, 79, "QDR2", 1}, Case{HarvikMemory::Qdr4, 80, "QDR4", 2}}) {
        Record preset = changed;
        SetHarvikPreset(preset, c.kind);
        const HARVIK_CONFIG config = RecordAs<HARVIK_CONFIG>(preset);
        EXPECT_EQ(RecordFieldText(preset, AT(ProjectName)), "Harvik");
        EXPECT_EQ(config.Led, 1);
        EXPECT_EQ(config.TopFileVhdl, 0);
        EXPECT_EQ(config.XcvrRefIndex[0], 0);
        for (int s = 0; s < 4; ++s) {
            EXPECT_EQ(config.SocketCardId[s], c.card);
            EXPECT_EQ(config.MemRefIndex[s], c.memRefIndex);
            EXPECT_EQ(RecordFieldText(preset, AT(SocketPrefixName) + 128 * std::size_t(s)),
                      std::string(c.word) + static_cast<char>('A' + s) + "_");
        }
    }
}

TEST(HarvikRecord, FilesOfTheRecordsSizeOnlyAndMending) {
    TempDir dir;
    TConfigHarvik settings;
    Record good = a10test::Defaults(MAINBOARD_HARVIK);
    good[AT(SocketCardId) + 1] = 80;
    for (const std::size_t size : {699u, 701u}) {
        Record bytes = good;
        bytes.resize(size);
        ASSERT_TRUE(
            platform::WriteWholeFile(dir.File("odd.cfg"), std::string(bytes.begin(), bytes.end()))
                .opened);
        EXPECT_FALSE(settings.LoadFromFile(dir.File("odd.cfg"))) << size;
        EXPECT_EQ(settings.Config.BoardId, 0) << size;
    }
    ASSERT_TRUE(
        platform::WriteWholeFile(dir.File("good.cfg"), std::string(good.begin(), good.end()))
            .opened);
    ASSERT_TRUE(settings.LoadFromFile(dir.File("good.cfg")));
    EXPECT_EQ(settings.Config.SocketCardId[1], 80);

    // Choices the combos have no item for become item 0; an unlisted card
    // becomes None with an empty prefix.
    Record r = good;
    a10test::SetI32(r, AT(XcvrRefIndex) + 4, 5);
    a10test::SetI32(r, AT(MemRefIndex) + 8, -1);
    a10test::SetI32(r, AT(MemRefIndex) + 12, 3);
    r[AT(SocketCardId) + 3] = 12;
    r[AT(TopFileVhdl)] = 7;
    MendRecord(Def(), r);
    const HARVIK_CONFIG c = RecordAs<HARVIK_CONFIG>(r);
    EXPECT_EQ(c.XcvrRefIndex[1], 0);
    EXPECT_EQ(c.MemRefIndex[2], 0);
    EXPECT_EQ(c.MemRefIndex[3], 3);
    EXPECT_EQ(c.SocketCardId[3], 0);
    EXPECT_EQ(RecordFieldText(r, AT(SocketPrefixName) + 3 * 128), "");
    EXPECT_EQ(c.TopFileVhdl, 1);
    EXPECT_EQ(PortCardList(Def().ports[0]), (std::vector<std::uint8_t>{0, 77, 78, 79, 80}));
}

TEST(HarvikText, NeitherChip) {
    TConfigHarvik settings = Bare();
    EXPECT_EQ(settings.GetVerilogCode(), "");
    EXPECT_EQ(settings.GetVhdlArchitecture("Harvik"), "");
    const std::string power = settings.GetPowerConfigAssignments();
    EXPECT_EQ(settings.GetQsfAssignments(), power);
    const std::vector<std::string> lines = SplitLines(power);
    ASSERT_EQ(lines.size(), 28u);
    EXPECT_EQ(lines[2], "# VID Assignments" + std::string(61 - 17, ' '));
    EXPECT_EQ(lines[16], "set_global_assignment -name PWRMGT_SLAVE_DEVICE7_ADDRESS 00");
    EXPECT_EQ(lines[22], "# Configuration scheme/pin" + std::string(61 - 26, ' '));
    EXPECT_EQ(lines[27], "");
    TempDir dir;
    EXPECT_TRUE(settings.ExportIpFiles(dir.Path()));
    EXPECT_FALSE(std::filesystem::exists(dir.Path() + "si5340_controller"));

    // PCIe alone: the termination block without a chip.
    settings.Config.Pcie = 1;
    EXPECT_EQ(settings.GetTerminationAssignments(),
              Lines({"", "#============================================================",
                     "# Termination Settings",
                     "#============================================================",
                     "set_instance_assignment -name XCVR_S10_REFCLK_TERM_TRISTATE TRISTATE_ON -to "
                     "PCIE_REFCLK_p",
                     "set_instance_assignment -name XCVR_IO_PIN_TERMINATION 100_OHMS -to PCIE_TX_p",
                     "set_instance_assignment -name XCVR_IO_PIN_TERMINATION 100_OHMS -to PCIE_RX_p",
                     ""}));
    EXPECT_EQ(settings.GetSi5340FileAssignments(), "");
}

TEST(HarvikText, OnlyQsfp28B) {
    TConfigHarvik settings = Bare();
    settings.Config.Qsfp28[1] = 1;
    settings.Config.XcvrRefIndex[1] = 4;
    settings.Config.XcvrRefIndex[2] = 1;
    settings.Config.MemRefIndex[2] = 2;
    settings.Config.MemRefIndex[3] = 3;
    EXPECT_FALSE(settings.IsSi5340A0Used());
    EXPECT_TRUE(settings.IsSi5340A1Used());
    EXPECT_EQ(settings.GetVerilogCode(),
              Lines({
                  "",
                  "",
                  "//=======================================================",
                  "//  Configure SI5340A ",
                  "//=======================================================",
                  "`define XCVR_REF_644M53125     4'h0",
                  "`define XCVR_REF_322M265625    4'h1",
                  "`define XCVR_REF_250M          4'h2",
                  "`define XCVR_REF_125M          4'h3",
                  "`define XCVR_REF_100M          4'h4",
                  "",
                  "`define MEM_REF_300M     4'h0  // for DDR4 2400",
                  "`define MEM_REF_275M     4'h1  // for QDRII+ 550MHz",
                  "`define MEM_REF_266M667  4'h2  // for DDR4 2133 and QDRIV 1066Mhz",
                  "`define MEM_REF_233M333  4'h3  // for DDR4 1866",
                  "",
                  "wire si5340a_controller_start;",
                  "assign si5340a_controller_start = ~BUTTON[0];",
                  "",
                  "wire si5340a_config_done;",
                  "wire si5340a1_config_done;",
                  "assign si5340a_config_done = si5340a1_config_done;",
                  "",
                  "//  Configure SI5340A1 ",
                  "HARVIK_SI5340A_CONFIG si5340a1_controller(",
                  "    .iCLK(CLK_50_B2C),",
                  "    .iRST_n(CPU_RESET_n),",
                  "    .iStart(si5340a_controller_start),",
                  "    .iXCVR0_REFCLK(`XCVR_REF_100M),//QSFP28-B",
                  "    .iXCVR1_REFCLK(`XCVR_REF_322M265625),//QSFP28-C",
                  "    .iMEM0_REFCLK(`MEM_REF_266M667),//DDR4-Socket-C",
                  "    .iMEM1_REFCLK(`MEM_REF_233M333),//DDR4-Socket-D",
                  "    .I2C_CLK(SI5340A1_I2C_SCL),",
                  "    .I2C_DATA(SI5340A1_I2C_SDA),",
                  "    .oPLL_REG_CONFIG_DONE(si5340a1_config_done)",
                  ");",
                  "",
                  "assign SI5340A1_OE_n = 1'b0;",
                  "assign SI5340A1_RST_n = CPU_RESET_n;",
                  "",
              }));
    const std::string vhdl = settings.GetVhdlArchitecture("top");
    const std::vector<std::string> lines = SplitLines(vhdl);
    EXPECT_EQ(lines[6], "architecture si5340a_behave of top is");
    EXPECT_NE(vhdl.find("\tsi5340a_config_done <= si5340a1_config_done;\r\n"), std::string::npos);
    EXPECT_EQ(vhdl.find("si5340a0"), std::string::npos);
    EXPECT_NE(vhdl.find("\t\tiXCVR0_REFCLK => XCVR_REF_100M, --QSFP28-B\r\n"
                        "\t\tiXCVR1_REFCLK => XCVR_REF_322M265625, --QSFP28-C\r\n"
                        "\t\tiMEM0_REFCLK => MEM_REF_266M667, --DDR4-Socket-C\r\n"
                        "\t\tiMEM1_REFCLK => MEM_REF_233M333, --DDR4-Socket-D\r\n"),
              std::string::npos);
    EXPECT_EQ(lines.back(), "");
    EXPECT_EQ(lines[lines.size() - 2], "end si5340a_behave;");

    // All eight controller files, included and exported.
    const std::vector<std::string> includes = SplitLines(settings.GetSi5340FileAssignments());
    ASSERT_EQ(includes.size(), 4u + 8u + 1u);
    EXPECT_EQ(includes[4],
              "set_global_assignment -name VERILOG_FILE si5340_controller/HARVIK_SI5340A_CONFIG.v");
    EXPECT_EQ(includes[11],
              "set_global_assignment -name VERILOG_FILE si5340_controller/initial_config.v");
    TempDir dir;
    ASSERT_TRUE(settings.ExportIpFiles(dir.Path()));
    std::vector<std::string> written;
    for (const auto& entry :
         std::filesystem::directory_iterator(dir.Path() + "si5340_controller")) {
        written.push_back(entry.path().filename().string());
        EXPECT_GT(entry.file_size(), 0u);
    }
    std::sort(written.begin(), written.end());
    EXPECT_EQ(written, (std::vector<std::string>{
                           "HARVIK_SI5340A_CONFIG.v", "clock_divider.v", "edge_detector.v",
                           "i2c_bus_controller.v", "initial_config.v", "si5340a_clk_frq_sel_gen.v",
                           "si5340a_freq_prameter_selector.v", "si5340a_i2c_reg_controller.v"}));
}

// Each controller input takes the choice of its port or socket.
TEST(HarvikText, BindingOfTheControllerInputs) {
    TConfigHarvik settings;
    SetDefaultRecord(Def(), {reinterpret_cast<std::uint8_t*>(&settings.Config), 700});
    // Default indexes: chip 0 binds the first macros, letters D, A, B, A.
    EXPECT_NE(
        settings.GetVerilogCode().find("    .iXCVR0_REFCLK(`XCVR_REF_644M53125),//QSFP28-D\r\n"
                                       "    .iXCVR1_REFCLK(`XCVR_REF_644M53125),//QSFP28-A\r\n"
                                       "    .iMEM0_REFCLK(`MEM_REF_300M),//DDR4-Socket-B\r\n"
                                       "    .iMEM1_REFCLK(`MEM_REF_300M),//DDR4-Socket-A\r\n"),
        std::string::npos);
    for (int p = 0; p < 4; ++p) {
        settings.Config.XcvrRefIndex[p] = p + 1; // A 322M, B 250M, C 125M, D 100M
        settings.Config.MemRefIndex[p] = p;      // A 300M, B 275M, C 266M667, D 233M333
    }
    const std::string verilog = settings.GetVerilogCode();
    EXPECT_NE(verilog.find("si5340a0_config_done & si5340a1_config_done;"), std::string::npos);
    for (const char* line : {
             "    .iXCVR0_REFCLK(`XCVR_REF_100M),//QSFP28-D\r\n"
             "    .iXCVR1_REFCLK(`XCVR_REF_322M265625),//QSFP28-A\r\n"
             "    .iMEM0_REFCLK(`MEM_REF_275M),//DDR4-Socket-B\r\n"
             "    .iMEM1_REFCLK(`MEM_REF_300M),//DDR4-Socket-A\r\n",
             "    .iXCVR0_REFCLK(`XCVR_REF_250M),//QSFP28-B\r\n"
             "    .iXCVR1_REFCLK(`XCVR_REF_125M),//QSFP28-C\r\n"
             "    .iMEM0_REFCLK(`MEM_REF_266M667),//DDR4-Socket-C\r\n"
             "    .iMEM1_REFCLK(`MEM_REF_233M333),//DDR4-Socket-D\r\n",
         }) {
        EXPECT_NE(verilog.find(line), std::string::npos) << line;
    }
    const std::string vhdl = settings.GetVhdlArchitecture("Harvik");
    EXPECT_NE(vhdl.find("\tsi5340a_config_done <= si5340a0_config_done and si5340a1_config_done;"),
              std::string::npos);
    EXPECT_NE(vhdl.find("\t\tiXCVR0_REFCLK => XCVR_REF_100M, --QSFP28-D\r\n"), std::string::npos);
    EXPECT_NE(vhdl.find("\t\tiMEM1_REFCLK => MEM_REF_233M333, --DDR4-Socket-D\r\n"),
              std::string::npos);

    // An index the combos have no item for (a record nobody mended) reads
    // as item 0 and never leaves a macro without its name.
    settings.Config.XcvrRefIndex[3] = 99;
    settings.Config.MemRefIndex[0] = -4;
    EXPECT_NE(settings.GetVerilogCode().find("(`XCVR_REF_644M53125),//QSFP28-D"),
              std::string::npos);
    EXPECT_FLOAT_EQ(settings.GetXcvrRefFrequency(3), 644.53125f);
    EXPECT_FLOAT_EQ(settings.GetMemRefFrequency(0), 300.0f);
}

// The default record: 4 + 3 + 12 termination lines; each socket's line
// names the reference-clock pin the filler makes, with the socket's prefix.
TEST(HarvikText, TerminationFollowsTheSocketPrefixes) {
    TConfigHarvik settings;
    SetDefaultRecord(Def(), {reinterpret_cast<std::uint8_t*>(&settings.Config), 700});
    std::vector<std::string> lines = SplitLines(settings.GetTerminationAssignments());
    ASSERT_EQ(lines.size(), 4u + 19u + 1u);
    EXPECT_EQ(lines[4], "set_instance_assignment -name INPUT_TERMINATION DIFFERENTIAL -to "
                        "DDR4A_REFCLK_p");
    EXPECT_EQ(lines[20], "set_instance_assignment -name XCVR_S10_REFCLK_TERM_TRISTATE "
                         "TRISTATE_OFF -to QSFP28D_REFCLK_p");
    EXPECT_EQ(lines[22],
              "set_instance_assignment -name XCVR_IO_PIN_TERMINATION 100_OHMS -to QSFP28D_TX_p");

    Record r(700);
    SetHarvikPreset(r, HarvikMemory::Qdr2);
    SetRecordFieldText(r, AT(SocketPrefixName) + 128, "");
    r[AT(SocketCardId) + 2] = 0;
    settings.Config = RecordAs<HARVIK_CONFIG>(r);
    lines = SplitLines(settings.GetTerminationAssignments());
    const std::vector<std::string> expected = {"QDR2A_REFCLK_p", "REFCLK_p", "QDR2D_REFCLK_p"};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(lines[4 + i],
                  "set_instance_assignment -name INPUT_TERMINATION DIFFERENTIAL -to " +
                      expected[i]);
        EXPECT_TRUE(a10test::FindPin(*a10test::Filled(MAINBOARD_HARVIK, r), expected[i]));
    }
}

TEST(HarvikText, SinglePrecisionFrequencies) {
    EXPECT_EQ(platform::Format("%f", MemRefFrequency(2)), "266.666656");
    EXPECT_EQ(platform::Format("%f", MemRefFrequency(3)), "233.333328");
    EXPECT_EQ(platform::Format("%f", XcvrRefFrequency(0)), "644.531250");
    EXPECT_EQ(TConfigHarvik::GetXcvrRefCount(), 5);
    EXPECT_DEATH(XcvrRefFrequency(5), "ConfigHarvik");
    EXPECT_DEATH(MemRefFrequency(-1), "ConfigHarvik");
}

// The VHDL component declares the exported controller's ports: names,
// directions and widths.
TEST(HarvikText, VhdlComponentMatchesTheVerilogModule) {
    const auto resource = platform::FindResource("HARVIK_HARVIK_SI5340A_CONFIG_VERILOG");
    ASSERT_TRUE(resource.has_value());
    const std::string module(resource->begin(), resource->end());
    std::map<std::string, std::string> verilog;
    const std::regex verilogPort(R"((input|output|inout)\s*(\[3:0\])?\s*(\w+)\s*[,\n)])");
    const std::size_t header = module.find(") (");
    ASSERT_NE(header, std::string::npos);
    const std::string ports = module.substr(header, module.find(");", header) - header + 2);
    for (std::sregex_iterator it(ports.begin(), ports.end(), verilogPort), end; it != end; ++it) {
        const std::string dir = (*it)[1] == "input" ? "in" : (*it)[1] == "output" ? "out" : "inout";
        verilog[(*it)[3]] = dir + ((*it)[2].matched ? " 4" : " 1");
    }
    TConfigHarvik settings;
    settings.Config.Qsfp28[0] = 1;
    const std::string vhdl = settings.GetVhdlArchitecture("Harvik");
    const std::size_t from = vhdl.find("\tcomponent HARVIK_SI5340A_CONFIG");
    const std::string component = vhdl.substr(from, vhdl.find("end component;") - from);
    std::map<std::string, std::string> declared;
    const std::regex vhdlPort(
        R"((\w+)\s*:\s*(in|out|inout)\s+(std_logic_vector \(3 downto 0\)|std_logic))");
    for (std::sregex_iterator it(component.begin(), component.end(), vhdlPort), end; it != end;
         ++it) {
        declared[(*it)[1]] = std::string((*it)[2]) + ((*it)[3] == "std_logic" ? " 1" : " 4");
    }
    EXPECT_EQ(declared.size(), 11u);
    EXPECT_EQ(declared, verilog);
}

TEST(HarvikFiller, MatchesTheFixture) {
    Record r = a10test::Defaults(MAINBOARD_HARVIK);
    const char* prefixes[] = {"QDR2A_", "QDR2B_", "QDR4C_", "QDR4D_"};
    const std::uint8_t cards[] = {79, 79, 80, 80};
    const std::int32_t mem[] = {1, 1, 2, 3};
    for (std::size_t s = 0; s < 4; ++s) {
        r[AT(SocketCardId) + s] = cards[s];
        SetRecordFieldText(r, AT(SocketPrefixName) + 128 * s, prefixes[s]);
        a10test::SetI32(r, AT(XcvrRefIndex) + 4 * s, static_cast<std::int32_t>(s));
        a10test::SetI32(r, AT(MemRefIndex) + 4 * s, mem[s]);
    }
    const auto board = a10test::Filled(MAINBOARD_HARVIK, r);
    boardtest::ExpectFixture(*board, "harvik_all_qdr");
    for (int s = 0; s < 4; ++s) {
        const TConnector* socket = board->GetExpansionConnector(ConnectorId(40 + s));
        ASSERT_TRUE(socket);
        EXPECT_EQ(socket->GetPinCount(), 260);
        EXPECT_EQ(a10test::NullEntries(*socket), 104);
        EXPECT_EQ(socket->GetPin(0), nullptr);
        EXPECT_EQ(socket->GetPin(1), nullptr);
        EXPECT_NE(socket->GetPin(2), nullptr);
    }
}

TEST(HarvikFiller, GroupsByWhatIsInUse) {
    struct Case {
        const char* name;
        void (*edit)(Record&);
        std::vector<std::string> groups;
    };
    const Case cases[] = {
        {"nothing", [](Record&) {}, {}},
        {"QSFP28 A alone forces CLOCK and BUTTON",
         [](Record& r) { r[AT(Qsfp28)] = 1; },
         {"CLOCK", "BUTTON", "SI5340A0", "QSFP28A"}},
        {"socket B alone",
         [](Record& r) {
             r[AT(SocketCardId) + 1] = 77;
             SetRecordFieldText(r, AT(SocketPrefixName) + 128, "DDR4B_");
         },
         {"CLOCK", "BUTTON", "SI5340A0", "RZQ of Memory Modules",
          "Referece Clock of Memory Modules", "DDR4 SODIMM without ECC"}},
        {"socket D and PCIe",
         [](Record& r) {
             r[AT(SocketCardId) + 3] = 80;
             r[AT(Pcie)] = 1;
         },
         {"CLOCK", "BUTTON", "SI5340A1", "PCIE Gen3 x16", "RZQ of Memory Modules",
          "Referece Clock of Memory Modules", "QDR-IV Module"}},
    };
    for (const Case& c : cases) {
        Record r = BareRecord();
        c.edit(r);
        EXPECT_EQ(a10test::GroupNames(*a10test::Filled(MAINBOARD_HARVIK, r)), c.groups) << c.name;
    }
    Record r = BareRecord();
    r[AT(SocketCardId) + 1] = 78;
    SetRecordFieldText(r, AT(SocketPrefixName) + 128, "DDR4B_");
    auto board = a10test::Filled(MAINBOARD_HARVIK, r);
    const TPin* rzq = a10test::FindPin(*board, "DDR4B_RZQ");
    ASSERT_TRUE(rzq);
    EXPECT_EQ(rzq->GetLocation(), "L15");
    const TPin* clock = a10test::FindPin(*board, "DDR4B_REFCLK_p");
    ASSERT_TRUE(clock);
    EXPECT_EQ(clock->GetLocation(), "J16");
    EXPECT_EQ(clock->GetFrequency(), "300.000000 MHz");
    EXPECT_TRUE(board->GetExpansionConnector(ConnectorId(41)));
    EXPECT_FALSE(board->GetExpansionConnector(ConnectorId(40)));

    // Empty prefixes: RZQ and REFCLK_p once per socket.
    r[AT(SocketCardId) + 2] = 79;
    SetRecordFieldText(r, AT(SocketPrefixName) + 128, "");
    SetRecordFieldText(r, AT(SocketPrefixName) + 256, "");
    board = a10test::Filled(MAINBOARD_HARVIK, r);
    const TConnector* group = boardtest::FindConnector(*board, "RZQ of Memory Modules");
    ASSERT_TRUE(group);
    ASSERT_EQ(group->GetPinCount(), 2);
    EXPECT_EQ(group->GetPin(0)->GetName(), "RZQ");
    EXPECT_EQ(group->GetPin(1)->GetName(), "RZQ");
    EXPECT_EQ(group->GetPin(1)->GetIoStandard(), IOSTD_1V8);
    EXPECT_EQ(group->GetPin(0)->GetIoStandard(), IOSTD_1V2);
}

// Banks A and C run at 1.8 V with a QDR-II+ module in socket A or C.
TEST(HarvikFiller, BankStandardsFollowSocketsAAndC) {
    struct Case {
        std::uint8_t a, c;
        IoStd bankA, bankC;
    };
    for (const Case k : {Case{79, 0, IOSTD_1V8, IOSTD_1V2}, Case{0, 79, IOSTD_1V2, IOSTD_1V8},
                         Case{80, 78, IOSTD_1V2, IOSTD_1V2}}) {
        Record r = a10test::Defaults(MAINBOARD_HARVIK);
        r[AT(SocketCardId)] = k.a;
        r[AT(SocketCardId) + 1] = k.a;
        r[AT(SocketCardId) + 2] = k.c;
        r[AT(SocketCardId) + 3] = k.c;
        const auto board = a10test::Filled(MAINBOARD_HARVIK, r);
        EXPECT_EQ(a10test::FindPin(*board, "CLK_50_B3L")->GetIoStandard(), k.bankA);
        for (const char* pin : {"CLK_50_B2C", "CLK_50_B2N", "CLK_50_B3C", "PCIE_SMBCLK",
                                "PCIE_SMBDAT", "PCIE_WAKE_n"}) {
            EXPECT_EQ(a10test::FindPin(*board, pin)->GetIoStandard(), k.bankC) << pin;
        }
        EXPECT_EQ(a10test::FindPin(*board, "CLK_50_B3I")->GetIoStandard(), IOSTD_1V8);
    }
}

TEST(HarvikRules, SettingsChecks) {
    struct Case {
        const char* name;
        std::uint8_t cards[4];
        const char* prefixes[4];
        const char* projectName;
        const char* message; // nullptr: accepted
    };
    const char* const kAB = "Memory modules on the DDR4-SODIMM Socket-A and Socket-B shoud be the "
                            "same memory type.";
    const char* const kCD = "Memory modules on the DDR4-SODIMM Socket-C and Socket-D shoud be the "
                            "same memory type.";
    const Case cases[] = {
        {"defaults", {78, 78, 78, 78}, {"DDR4A_", "DDR4B_", "DDR4C_", "DDR4D_"}, "Harvik", nullptr},
        {"77 and 78 are one kind", {77, 78, 0, 0}, {"M_", "N_", "", ""}, "Harvik", nullptr},
        {"A and C may differ", {79, 0, 80, 0}, {"Q_", "", "R_", ""}, "Harvik", nullptr},
        {"QDR-II+ beside DDR4", {79, 78, 0, 0}, {"Q_", "D_", "", ""}, "Harvik", kAB},
        {"both pairs mixed: the C/D message",
         {79, 78, 80, 77},
         {"A_", "B_", "C_", "D_"},
         "Harvik",
         kCD},
        {"the name first",
         {79, 78, 80, 77},
         {"A_", "B_", "C_", "D_"},
         "",
         "Project Name cannot be empty."},
        {"same module, same prefix",
         {78, 78, 0, 0},
         {"X_", "X_", "", ""},
         "Harvik",
         "DDR4-Socket-A and DDR4-Socket-B cannot have the same prefix name when both connect to "
         "the same type of daughter boards."},
        {"same module, both prefixes empty",
         {0, 80, 0, 80},
         {"", "", "", ""},
         "Harvik",
         "DDR4-Socket-B and DDR4-Socket-D cannot have the same prefix name when both connect to "
         "the same type of daughter boards."},
        // Passes here; the duplicate-signal check refuses it at Generate.
        {"77 and 78 with one prefix", {77, 78, 0, 0}, {"X_", "X_", "", ""}, "Harvik", nullptr},
    };
    for (const Case& c : cases) {
        Record r = a10test::Defaults(MAINBOARD_HARVIK);
        SetRecordFieldText(r, AT(ProjectName), c.projectName);
        for (std::size_t s = 0; s < 4; ++s) {
            r[AT(SocketCardId) + s] = c.cards[s];
            SetRecordFieldText(r, AT(SocketPrefixName) + 128 * s, c.prefixes[s]);
        }
        std::string message;
        EXPECT_EQ(CheckRecord(Def(), r, message), c.message == nullptr) << c.name;
        EXPECT_EQ(message, c.message ? c.message : "") << c.name;
    }
}

// Modules in the sockets: their pins on the socket's positions, with the
// socket's prefix; the DDR4 modules' SA and I2C lines at 1.2 V.
TEST(HarvikCards, ModulesTakeTheirSocketsPrefix) {
    for (const std::uint8_t card : {77, 78, 79, 80}) {
        Record r = BareRecord();
        r[AT(SocketCardId) + 2] = card;
        SetRecordFieldText(r, AT(SocketPrefixName) + 256, "M_");
        const auto board = BuildBoardModel(Def(), r);
        const TConnector* socket = board->GetExpansionConnector(ConnectorId(42));
        ASSERT_TRUE(socket);
        int named = 0;
        for (int j = 0; j < socket->GetPinCount(); ++j) {
            if (const TPin* p = socket->GetPin(j); p && p->IsActive()) {
                EXPECT_EQ(p->GetName().rfind("M_", 0), 0u) << p->GetName();
                EXPECT_NE(p->GetIoStandard(), IOSTD_FROM_CARD) << p->GetName();
                ++named;
            }
        }
        EXPECT_GT(named, 50) << int(card);
    }
}

// T15 (sockets A and B) and BH18 (C and D) stand at several positions of
// the socket tables where the board has no FPGA pin of its own. Kept as the
// tables give them: the modules leave those positions without a signal,
// except position 116 of sockets B and D (A and C have N26 and AP34 there),
// where a DDR4 module's pin takes the stand-in; a project so gives each at
// most once.
TEST(HarvikCards, StandInLocations) {
    for (const std::uint8_t card : {77, 78, 79, 80}) {
        Record r = a10test::Defaults(MAINBOARD_HARVIK);
        for (std::size_t s = 0; s < 4; ++s) {
            r[AT(SocketCardId) + s] = card;
        }
        const auto filled = a10test::Filled(MAINBOARD_HARVIK, r);
        const auto board = BuildBoardModel(Def(), r);
        const bool ddr4 = card == 77 || card == 78;
        for (int s = 0; s < 4; ++s) {
            SCOPED_TRACE(std::to_string(card) + " socket " + std::to_string(s));
            const char* standIn = s < 2 ? "T15" : "BH18";
            const TConnector& before = *filled->GetExpansionConnector(ConnectorId(40 + s));
            const TConnector& after = *board->GetExpansionConnector(ConnectorId(40 + s));
            int positions = 0;
            std::vector<int> active;
            for (int j = 0; j < before.GetPinCount(); ++j) {
                const TPin* p = before.GetPin(j);
                if (p && p->GetLocation() == standIn) {
                    ++positions;
                    if (after.GetPin(j) && after.GetPin(j)->IsActive()) {
                        active.push_back(j + 1);
                    }
                }
            }
            EXPECT_EQ(positions, s % 2 == 0 ? 19 : 20);
            EXPECT_EQ(active, ddr4 && s % 2 == 1 ? std::vector<int>{116} : std::vector<int>{});
        }
    }
}

// The hidden developer export: one pin list per HSMC card of the Falmor
// board's list, into an hsmc folder it makes; a file that cannot be
// written ends it with false.
TEST(HarvikCards, HsmcPinListExport) {
    TempDir dir;
    ASSERT_TRUE(ExportHarvikHsmcPinLists(dir.Path()));
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path() + "hsmc")) {
        files.push_back(entry.path().filename().string());
    }
    EXPECT_GT(files.size(), 10u);
    const std::string name = BoardShortName(CARD_HSMC_DEFAULT) + ".txt";
    ASSERT_NE(std::find(files.begin(), files.end(), name), files.end());
    std::string text;
    ASSERT_TRUE(platform::ReadWholeFile(dir.Path() + "hsmc/" + name, text));
    EXPECT_EQ(text.rfind("1\t", 0), 0u);
    EXPECT_NE(text.find("\r\n"), std::string::npos);

    // A file in the way of a list: "failed", the lists before it stay.
    TempDir blocked;
    std::filesystem::create_directories(blocked.Path() + "hsmc/" + name);
    EXPECT_FALSE(ExportHarvikHsmcPinLists(blocked.Path()));
}

struct Golden {
    const char* name;
    void (*edit)(Record&);
};

const Golden kGoldens[] = {
    {"HARVIK", [](Record&) {}},
    {"harvik_ddr4_vhdl", [](Record& r) { r[AT(TopFileVhdl)] = 1; }},
    {"harvik_qdr2", [](Record& r) { SetHarvikPreset(r, HarvikMemory::Qdr2); }},
    {"harvik_qdr2_vhdl",
     [](Record& r) {
         SetHarvikPreset(r, HarvikMemory::Qdr2);
         r[AT(TopFileVhdl)] = 1;
     }},
    {"harvik_qdr4", [](Record& r) { SetHarvikPreset(r, HarvikMemory::Qdr4); }},
    {"harvik_qdr4_vhdl",
     [](Record& r) {
         SetHarvikPreset(r, HarvikMemory::Qdr4);
         r[AT(TopFileVhdl)] = 1;
     }},
    // Neither chip: the default architecture.
    {"harvik_no_chip_vhdl",
     [](Record& r) {
         r = BareRecord();
         r[AT(Led)] = 1;
         r[AT(Pcie)] = 1;
         r[AT(TopFileVhdl)] = 1;
     }},
};

class HarvikGolden : public testing::TestWithParam<Golden> {};

TEST_P(HarvikGolden, MatchesFixturesAndPassesTheTools) {
    Record record = a10test::Defaults(MAINBOARD_HARVIK);
    GetParam().edit(record);
    golden::ExpectGoldenRecord(MAINBOARD_HARVIK, record, GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(Records, HarvikGolden, testing::ValuesIn(kGoldens),
                         [](const testing::TestParamInfo<Golden>& info) {
                             return std::string(info.param.name);
                         });

#undef AT

} // namespace
