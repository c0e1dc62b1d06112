// Board-specific text chosen by board id: .qsf lines, Verilog blocks,
// timing-constraint blocks and display names, from record copies built in
// the test and a test settings object.

#include "generator/BoardText.h"
#include "boards/BoardText.h"
#include "boards/Boards.h"
#include "boards/arria10_stratix10/EspernId.h"
#include "boards/arria10_stratix10/GristelId.h"
#include "boards/arria10_stratix10/HarvikId.h"
#include "boards/arria10_stratix10/ZarvikDdr4Id.h"
#include "boards/arria10_stratix10/ZarvikId.h"
#include "boards/arria2/KelvaneId.h"
#include "boards/cyclone2/BressaId.h"
#include "boards/cyclone2/CorvinId.h"
#include "boards/cyclone2/DunmarId.h"
#include "boards/cyclone3/AlvekId.h"
#include "boards/cyclone3/JorkelId.h"
#include "boards/cyclone3/JorvathId.h"
#include "boards/cyclone4/ElvoryId.h"
#include "boards/cyclone4/IstrelId.h"
#include "boards/cyclone4/MarwenId.h"
#include "boards/cyclone4/MarwenText.h"
#include "boards/cyclone5/ConfigFalmor.h"
#include "boards/cyclone5/FalmorId.h"
#include "boards/cyclone5/IlmarchId.h"
#include "boards/cyclone5/QuindleId.h"
#include "boards/cyclone5/SollenId.h"
#include "boards/cyclone5/TavrinId.h"
#include "boards/cyclone5/WendalId.h"
#include "boards/max10/YeldenId.h"
#include "boards/stratix4/ExtPll.h"
#include "boards/stratix4/GaldreX1Id.h"
#include "boards/stratix4/HollinId.h"
#include "boards/stratix4/KelmisId.h"
#include "boards/stratix4/LumbrelId.h"
#include "boards/stratix5/CalvetId.h"
#include "boards/stratix5/Ombrel2Id.h"
#include "boards/stratix5/StratixVText.h"
#include "generator/Pinsmith.h"
#include "generator/SampleModels.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

int Count(const std::string& text, const std::string& part) {
    int n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++n;
    }
    return n;
}

// A board of the id with one group holding active pins at the locations
// (and a zero copy of the board's record, as its filler keeps one).
void Board(TMainBoard& board, BoardId id, std::initializer_list<const char*> locations) {
    board.m_BoardId = id;
    if (const BoardDef* def = FindBoard(id)) {
        board.m_BoardRecord = RecordCopy(def->record.size);
    }
    auto* c = board.AddConnector(new TConnector("G", "", CONNECTOR_NONE, -1));
    int n = 0;
    for (const char* location : locations) {
        c->AddPin(new TPin("P" + std::to_string(n++), location, PIN_DIR_INPUT, IOSTD_3V3_LVTTL, 0));
    }
}

const std::string kNceo =
    "set_global_assignment -name CYCLONEII_RESERVE_NCEO_AFTER_CONFIGURATION \"USE AS REGULAR "
    "IO\"";

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream s(text);
    for (std::string line; std::getline(s, line);) {
        lines.push_back(line);
    }
    return lines;
}

} // namespace

TEST(QsfBoardAssignments, ByBoardId) {
    struct Row {
        BoardId id;
        std::vector<const char*> locations;
        std::string expected;
    };
    const std::string io25 = "set_global_assignment -name STRATIX_DEVICE_IO_STANDARD \"2.5 V\"\r\n";
    const std::string flash =
        "set_global_assignment -name RESERVE_FLASH_NCE_AFTER_CONFIGURATION \"USE AS REGULAR "
        "IO\"\r\n"
        "set_global_assignment -name RESERVE_DATA0_AFTER_CONFIGURATION \"USE AS REGULAR IO\"\r\n"
        "set_global_assignment -name RESERVE_DATA1_AFTER_CONFIGURATION \"USE AS REGULAR IO\"\r\n"
        "set_global_assignment -name RESERVE_DCLK_AFTER_CONFIGURATION \"USE AS REGULAR IO\"\r\n";
    const std::string banner = "#============================================================\r\n";
    const std::string yelden = "\r\n" + banner + "# disable config pin so bank8 can use 1.2V \r\n" +
                               banner +
                               "set_global_assignment -name AUTO_RESTART_CONFIGURATION ON\r\n"
                               "set_global_assignment -name ENABLE_CONFIGURATION_PINS OFF\r\n"
                               "set_global_assignment -name ENABLE_BOOT_SEL_PIN OFF\r\n\r\n";
    const std::vector<Row> rows = {
        {MAINBOARD_ALVEK, {"k22"}, kNceo + "\r\n"}, // compared without regard to case
        {MAINBOARD_ALVEK, {"K23"}, ""},
        {MAINBOARD_BRESSA, {"W20"}, kNceo}, // no line end of its own
        {MAINBOARD_CORVIN, {"AE24"}, kNceo},
        {MAINBOARD_DUNMAR, {"AD25"}, kNceo},
        {MAINBOARD_ELVORY,
         {},
         "set_global_assignment -name STRATIX_DEVICE_IO_STANDARD \"3.3-V LVTTL\"\r\n"},
        {MAINBOARD_ELVORY,
         {"P28"},
         "set_global_assignment -name STRATIX_DEVICE_IO_STANDARD \"3.3-V LVTTL\"\r\n" + kNceo +
             "\r\n"},
        {MAINBOARD_GALDRE_X1,
         {},
         io25 + "set_location_assignment PIN_AF25 -to termination_blk0~_rup_pad\r\n"
                "set_location_assignment PIN_AG25 -to termination_blk0~_rdn_pad\r\n"},
        {MAINBOARD_HOLLIN,
         {},
         "set_global_assignment -name STRATIX_DEVICE_IO_STANDARD \"1.5 V\"\r\n"},
        {MAINBOARD_ISTREL, {"F16"}, kNceo + "\r\n"},
        {MAINBOARD_ISTREL, {"C1"}, flash},
        {MAINBOARD_ISTREL, {"C1", "F16"}, kNceo + "\r\n" + flash},
        {MAINBOARD_JORVATH, {"P28"}, kNceo + "\r\n"},
        {MAINBOARD_KELMIS, {"P28"}, io25},
        {MAINBOARD_QUINDLE,
         {"P9"},
         "\r\n" + banner + "# Transceiver \r\n" + banner +
             "set_instance_assignment -name XCVR_REFCLK_PIN_TERMINATION "
             "DC_COUPLING_INTERNAL_100_OHMS -to HSMC_REF_CLK_p\r\n\r\n"},
        {MAINBOARD_QUINDLE, {"P8"}, ""},
        {MAINBOARD_YELDEN, {"C7", "D6", "D8", "E10", "E9"}, yelden},
        {MAINBOARD_YELDEN, {"E9"}, yelden},
        {MAINBOARD_YELDEN, {"E11"}, ""},
        {MAINBOARD_JORKEL,
         {"E18", "H3", "D1"},
         "set_global_assignment -name RESERVE_DATA1_AFTER_CONFIGURATION \"USE AS REGULAR IO\"\r\n"
         "set_global_assignment -name RESERVE_DATA0_AFTER_CONFIGURATION \"USE AS REGULAR IO\"\r\n" +
             kNceo + "\r\n"},
        {MAINBOARD_JORKEL,
         {"H3"},
         "set_global_assignment -name RESERVE_DATA0_AFTER_CONFIGURATION \"USE AS REGULAR IO\"\r\n"},
        {MAINBOARD_KELVANE,
         {},
         "set_global_assignment -name MIN_CORE_JUNCTION_TEMP 0\r\n"
         "set_global_assignment -name MAX_CORE_JUNCTION_TEMP 85\r\n"},
        {MAINBOARD_ILMARCH, {"K22", "P28", "C1"}, ""},
        {MAINBOARD_GRISTEL, {}, ""},
    };
    for (const Row& row : rows) {
        TMainBoard board;
        Board(board, row.id, {});
        for (const char* location : row.locations) {
            board.GetConnector(0)->AddPin(
                new TPin("X", location, PIN_DIR_INOUT, IOSTD_3V3_LVTTL, 0));
        }
        EXPECT_EQ(GetQsfBoardAssignments(board), row.expected) << BoardNumber(row.id);
    }
}

TEST(QsfBoardAssignments, InactivePinsDoNotCountButPlaceholdersDo) {
    TMainBoard board;
    Board(board, MAINBOARD_ALVEK, {});
    board.GetConnector(0)->AddPin(new TPin("X", "K22", PIN_DIR_NONE, IOSTD_3V3_LVTTL, 0));
    EXPECT_FALSE(boardtext::IsLocationUsed(board, "K22"));
    board.GetConnector(0)->AddPin(new TPin("", "K22", PIN_DIR_FROM_CARD, IOSTD_FROM_CARD, 0));
    EXPECT_TRUE(boardtext::IsLocationUsed(board, "k22"));
}

TEST(QsfBoardAssignments, NoLineEndBeforeTheFirstBlockOnBoardsTwoToFour) {
    TMainBoard board;
    Board(board, MAINBOARD_BRESSA, {"W20"});
    const std::string qsf = TPinsmith::QsfText(board, "abc", sample::FixedTime());
    EXPECT_TRUE(Has(qsf, "SDC_FILE abc.sdc\r\n" + kNceo + "\r\n#====="));
}

TEST(QsfBoardAssignments, SettingsObjectBoards) {
    for (BoardId id : {MAINBOARD_ZARVIK, MAINBOARD_ZARVIK_DDR4, MAINBOARD_CALVET, MAINBOARD_ESPERN,
                       MAINBOARD_HARVIK}) {
        sample::TestConfigBoard config;
        config.qsf = "set_global_assignment -name X Y\r\n";
        TMainBoard board;
        Board(board, id, {});
        board.m_pConfigBoard = &config;
        EXPECT_EQ(GetQsfBoardAssignments(board), config.qsf);
    }
}

TEST(QsfBoardAssignmentsDeathTest, BoardsWithoutACase) {
    for (BoardId id : {MAINBOARD_OMBREL2, static_cast<BoardId>(29)}) {
        TMainBoard board;
        Board(board, id, {});
        EXPECT_DEATH(
            GetQsfBoardAssignments(board),
            "Assertion failed: board (id 29 has no board definition|17 writes no project)");
    }
    TMainBoard board;
    Board(board, MAINBOARD_ZARVIK, {});
    EXPECT_DEATH(GetQsfBoardAssignments(board), "m_pConfigBoard");
}

TEST(MarwenQsf, Variants) {
    TMainBoard board;
    sample::BuildMarwen(board);
    const std::string full = GetMarwenQsfAssignments(board);
    EXPECT_EQ(Count(full, "-to KEY["), 18);
    EXPECT_EQ(Count(full, "-to SW["), 18);
    EXPECT_EQ(Count(full, "-to  LEDG["), 9);
    EXPECT_EQ(Count(full, "-to  LEDR["), 18);
    EXPECT_TRUE(Has(full, "-to HSMC_D[1]\r\n"));
    const std::vector<std::string> lines = Lines(full);
    EXPECT_EQ(lines.back(), "set_instance_assignment -name IO_MAXIMUM_TOGGLE_RATE \"0 MHz\" -to "
                            "FAN_CTRL\r");

    // A prefix names the HSMC data lines.
    const char prefix[] = "HM_";
    for (std::size_t i = 0; i < sizeof prefix; ++i) {
        board.m_BoardRecord.SetU8(293 + i, static_cast<std::uint8_t>(prefix[i]));
    }
    EXPECT_TRUE(Has(GetMarwenQsfAssignments(board),
                    "-to HM_D[1]\r\n"
                    "set_instance_assignment -name "
                    "IO_MAXIMUM_TOGGLE_RATE \"0 MHz\" -to HM_D[3]"));

    // Without the LVDS card only the reservation and flash lines remain.
    board.m_BoardRecord.SetU8(292, 2);
    EXPECT_EQ(GetMarwenQsfAssignments(board),
              kNceo + "\r\nset_instance_assignment -name VIRTUAL_PIN ON -to FS_ADDR[0]\r\n");
    board.m_BoardRecord.SetU8(146, 0);
    EXPECT_EQ(GetMarwenQsfAssignments(board), kNceo + "\r\n");

    // With the card but every group off: banner, data lines and the fan.
    TMainBoard bare;
    Board(bare, MAINBOARD_MARWEN, {});
    bare.m_BoardRecord.SetU8(292, 4);
    bare.m_BoardRecord.SetU8(155, 1); // PCIe soft IP alone
    const std::string t = "set_instance_assignment -name IO_MAXIMUM_TOGGLE_RATE \"0 MHz\" -to ";
    const std::string banner = "#============================================================\r\n";
    EXPECT_EQ(GetMarwenQsfAssignments(bare),
              banner +
                  "# When Marwen HSMC is configued as LVDS, configure the following pins to "
                  "avoid compile error.\r\n" +
                  banner + t + "PCIE_WAKE_N\r\n" + t + "HSMC_D[1]\r\n" + t + "HSMC_D[3]\r\n" + t +
                  "FAN_CTRL\r\n");
}

TEST(QsfFile, DeviceFiltersAndBlocks) {
    TMainBoard board;
    board.m_BoardId = MAINBOARD_ILMARCH;
    board.m_BoardRecord = RecordCopy(kIlmarchConfigSize);
    board.m_Family = "Cyclone V";
    board.m_Device = "5CGXFC9D6F27C7";
    auto* dir0 = board.AddConnector(new TConnector("OFF", "", CONNECTOR_NONE, -1));
    dir0->AddPin(new TPin("X", "A1", PIN_DIR_NONE, IOSTD_3V3_LVTTL, 0));
    auto* noLoc = board.AddConnector(new TConnector("NOLOC", "desc", CONNECTOR_NONE, -1));
    noLoc->AddPin(new TPin("Y", "", PIN_DIR_INPUT, IOSTD_3V3_LVTTL, 0));

    std::string qsf = TPinsmith::QsfText(board, "abc", sample::FixedTime());
    EXPECT_FALSE(Has(qsf, "DEVICE_FILTER"));
    EXPECT_FALSE(Has(qsf, "# OFF"));
    EXPECT_TRUE(Has(qsf, "# NOLOC, desc\r\n#====="));
    EXPECT_TRUE(Has(qsf, "-to Y\r\n"));
    EXPECT_FALSE(Has(qsf, "PIN_ -to Y"));
    // The Ilmarch board goes from SDC_FILE straight to the first block.
    EXPECT_TRUE(Has(qsf, "SDC_FILE abc.sdc\r\n\r\n#====="));

    board.m_SpeedGrade = 6;
    EXPECT_TRUE(Has(TPinsmith::QsfText(board, "abc", sample::FixedTime()),
                    "DEVICE_FILTER_SPEED_GRADE 6\r\n"));
    board.m_SpeedGradeText = "C7";
    board.m_Package = "FBGA";
    board.m_PinCount = 672;
    qsf = TPinsmith::QsfText(board, "abc", sample::FixedTime());
    EXPECT_TRUE(Has(qsf, "DEVICE_FILTER_PACKAGE FBGA\r\n"
                         "set_global_assignment -name DEVICE_FILTER_PIN_COUNT 672\r\n"
                         "set_global_assignment -name DEVICE_FILTER_SPEED_GRADE C7\r\n"));
}

TEST(ExtPllVerilog, GaldreAndKelmis) {
    TMainBoard galdre;
    galdre.m_BoardId = MAINBOARD_GALDRE_X1;
    galdre.m_BoardRecord = RecordCopy(kGaldreX1ConfigSize);
    EXPECT_EQ(GetGaldreX1ExtPllVerilog(galdre), "");
    EXPECT_EQ(GetVerilogBoardCode(galdre), "");
    galdre.m_BoardRecord.SetU8(160, 1);
    galdre.m_BoardRecord.SetU8(162, 4);
    galdre.m_BoardRecord.SetU8(163, 1);
    galdre.m_BoardRecord.SetU8(164, 0);
    const std::string g = GetGaldreX1ExtPllVerilog(galdre);
    EXPECT_TRUE(Has(g, "assign clk1_set_wr = 4'd4; //100 MHZ\r\n"
                       "assign clk2_set_wr = 4'd1; //Disable MHZ\r\n"
                       "assign clk3_set_wr = 4'd0; //Unchange MHZ\r\n"));
    EXPECT_EQ(Lines(g).size(), 64u); // 63 pieces, the first holds two line ends
    EXPECT_EQ(g.substr(0, 4), "\r\n\r\n");
    EXPECT_EQ(g.substr(g.size() - 6), "\r\n);\r\n");

    TMainBoard kelmis;
    kelmis.m_BoardId = MAINBOARD_KELMIS;
    kelmis.m_BoardRecord = RecordCopy(kKelmisConfigSize);
    EXPECT_EQ(GetKelmisExtPllVerilog(kelmis), "");
    kelmis.m_BoardRecord.SetU8(148, 1);
    kelmis.m_BoardRecord.SetU8(150, 4);
    kelmis.m_BoardRecord.SetU8(151, 1);
    kelmis.m_BoardRecord.SetU8(152, 0);
    const std::vector<std::string> gl = Lines(g);
    const std::vector<std::string> kl = Lines(GetVerilogBoardCode(kelmis));
    ASSERT_EQ(gl.size(), kl.size());
    std::vector<std::string> differences;
    for (std::size_t i = 0; i < gl.size(); ++i) {
        if (gl[i] != kl[i]) {
            differences.push_back(kl[i]);
        }
    }
    EXPECT_EQ(differences, (std::vector<std::string>{
                               "assign rstn = 1'b1;\r",
                               "always @(posedge OSC_50_BANK1 or negedge rstn)\r",
                               "\t.osc_50(OSC_50_BANK1), //50MHZ\r",
                               "\t// device 2 (HSME_REFCLK)\r",
                               "\t// device 3 (PGM_GXB_CLK)\r",
                               "\t.max_sclk(MAX2_I2C_SCL),\r",
                               "\t.max_sdat(MAX2_I2C_SDA)\r",
                           }));

    // A code no form offers still gives a block.
    kelmis.m_BoardRecord.SetU8(150, 13);
    EXPECT_TRUE(Has(GetKelmisExtPllVerilog(kelmis), "assign clk1_set_wr = 4'd13; //Unknown MHZ"));
    kelmis.m_BoardRecord.SetU8(150, 12);
    EXPECT_TRUE(Has(GetKelmisExtPllVerilog(kelmis), "assign clk1_set_wr = 4'd12; //625 MHZ"));
}

TEST(BoardVerilog, MarwenFanAndOtherBoards) {
    TMainBoard marwen;
    marwen.m_BoardId = MAINBOARD_MARWEN;
    marwen.m_BoardRecord = RecordCopy(kMarwenConfigSize);
    EXPECT_EQ(GetVerilogBoardCode(marwen),
              "\r\n\t//////////// FAN Control //////////\r\nassign FAN_CTRL = 1'bz; // turn on "
              "FAN\r\n\r\n");
    for (BoardId id : {MAINBOARD_ILMARCH, MAINBOARD_GRISTEL, MAINBOARD_FALMOR, MAINBOARD_ALVEK}) {
        TMainBoard board;
        board.m_BoardId = id;
        EXPECT_EQ(GetVerilogBoardCode(board), "");
        EXPECT_EQ(GetVhdlArchitecture(board, "abc"), "");
    }
    for (BoardId id : {MAINBOARD_ZARVIK, MAINBOARD_ZARVIK_DDR4, MAINBOARD_CALVET, MAINBOARD_ESPERN,
                       MAINBOARD_HARVIK}) {
        sample::TestConfigBoard config;
        config.verilog = "// board code\r\n";
        config.vhdlArchitecture = "architecture a of %s is\r\n";
        TMainBoard board;
        board.m_BoardId = id;
        board.m_pConfigBoard = &config;
        EXPECT_EQ(GetVerilogBoardCode(board), config.verilog);
        EXPECT_EQ(GetVhdlArchitecture(board, "top"),
                  id == MAINBOARD_HARVIK ? "architecture a of top is\r\n" : "");
    }
}

TEST(BoardVerilogDeathTest, BoardsOutsideThisBuild) {
    TMainBoard board;
    board.m_BoardId = MAINBOARD_OMBREL2;
    EXPECT_DEATH(GetVerilogBoardCode(board), "Assertion failed: board 17 writes no project");
}

TEST(FrequencyTables, Values) {
    const double si570[] = {0, 100, 125, 156.25, 250, 312.5, 322.265, 644.53125, 0};
    const double cdcm[] = {0, 62.5, 75, 100, 125, 150, 156.25, 187.5, 200, 250, 312.5, 625, 0};
    const double combo[] = {0, 0, 62.5, 75, 100, 125, 150, 156.25, 187.5, 200, 250, 312.5, 625, 0};
    for (std::uint8_t i = 0; i < std::size(si570); ++i) {
        EXPECT_EQ(Si570IndexToMHz(i), si570[i]) << int(i);
    }
    for (std::uint8_t i = 0; i < std::size(cdcm); ++i) {
        EXPECT_EQ(CdcmIndexToMHz(i), cdcm[i]) << int(i);
    }
    for (std::uint8_t i = 0; i < std::size(combo); ++i) {
        EXPECT_EQ(CdcmComboIndexToMHz(i), combo[i]) << int(i);
    }
    EXPECT_EQ(Si570IndexToMHz(255), 0);
}

TEST(BoardName, Table) {
    EXPECT_EQ(GetBoardName(MAINBOARD_ILMARCH), "Ilmarch");
    EXPECT_EQ(GetBoardName(MAINBOARD_GALDRE_X1), "Galdre FPGA Board");
    EXPECT_EQ(GetBoardName(MAINBOARD_OMBREL2), "Ombrel II");
    EXPECT_EQ(GetBoardName(MAINBOARD_ZARVIK_DDR4), "Zarvik-DDR4");
    EXPECT_EQ(GetBoardName(MAINBOARD_YELDEN), "Yelden MAX10 Board");
    EXPECT_EQ(GetBoardName(MAINBOARD_LUMBREL), "Lumbrel");
}

TEST(BoardNameDeathTest, IdWithoutABoard) {
    EXPECT_DEATH(GetBoardName(static_cast<BoardId>(29)),
                 "Assertion failed: board id 29 has no board definition");
}

// ---------------------------------------------------------------------------
// .sdc

TEST(Sdc, ClockLines) {
    TMainBoard board;
    board.m_BoardId = MAINBOARD_ILMARCH;
    board.m_BoardRecord = RecordCopy(kIlmarchConfigSize);
    auto* c = board.AddConnector(new TConnector("CLOCK", "", CONNECTOR_NONE, -1));
    TPin* both = new TPin("BOTH", "A1", PIN_DIR_INPUT, IOSTD_3V3_LVTTL, 50.0f);
    both->SetPeriodNs(20);
    c->AddPin(both);
    TPin* period = new TPin("PERIOD", "A2", PIN_DIR_INPUT, IOSTD_3V3_LVTTL, 0);
    period->SetIsClock(1);
    period->SetPeriodNs(37);
    c->AddPin(period);
    TPin* neither = new TPin("NEITHER", "A3", PIN_DIR_INPUT, IOSTD_3V3_LVTTL, 0);
    neither->SetIsClock(1);
    c->AddPin(neither);
    c->AddPin(new TPin("UNUSED_CLK", "A4", PIN_DIR_NONE, IOSTD_3V3_LVTTL, 18.432f));
    TPin* two = new TPin("TWO", "A5", PIN_DIR_INPUT, IOSTD_3V3_LVTTL, 0);
    two->SetIsClock(2); // a memory-map mark, no clock
    two->SetPeriodNs(5);
    c->AddPin(two);
    c->AddPin(nullptr);

    const std::string sdc = TPinsmith::SdcText(board);
    EXPECT_TRUE(Has(sdc, "# Create Clock\r\n"
                         "#**************************************************************\r\n"
                         "create_clock -period \"50.000000 MHz\" [get_ports BOTH]\r\n"
                         "create_clock -period 37.000ns [get_ports PERIOD]\r\n"
                         "create_clock -period \"18.431999 MHz\" [get_ports UNUSED_CLK]\r\n"
                         "\r\n#****"));
    EXPECT_FALSE(Has(sdc, "NEITHER"));
    EXPECT_FALSE(Has(sdc, "TWO"));
    EXPECT_FALSE(Has(sdc, "altera_reserved_tck"));

    TMainBoard none;
    none.m_BoardId = MAINBOARD_ILMARCH;
    none.m_BoardRecord = RecordCopy(kIlmarchConfigSize);
    EXPECT_TRUE(Has(TPinsmith::SdcText(none),
                    "# Create Clock\r\n"
                    "#**************************************************************\r\n"
                    "\r\n"
                    "#**************************************************************\r\n"
                    "# Create Generated Clock\r\n"));
}

TEST(Sdc, JtagBoards) {
    for (int id = 0; id <= 101; ++id) {
        TMainBoard board;
        board.m_BoardId = static_cast<BoardId>(id);
        const bool jtag = (id >= 21 && id <= 24) || (id >= 34 && id <= 36);
        EXPECT_EQ(!GetSdcJtagConstraints(board).empty(), jtag) << id;
    }
}

TEST(Sdc, SollenOptions) {
    TMainBoard board;
    board.m_BoardId = MAINBOARD_SOLLEN;
    board.m_BoardRecord = RecordCopy(kSollenConfigSize);
    board.m_BoardRecord.SetU8(141, 1); // SDRAM alone
    EXPECT_EQ(GetSdcBoardClocks(board),
              "create_clock -period \"100 MHz\" -name clk_dram [get_ports DRAM_CLK]\r\n\r\n");
    EXPECT_EQ(GetSdcInputDelays(board),
              "# Board Delay (Data) + Propagation Delay - Board Delay (Clock)\r\n"
              "set_input_delay -max -clock clk_dram -0.048 [get_ports DRAM_DQ*]\r\n"
              "set_input_delay -min -clock clk_dram -0.057 [get_ports DRAM_DQ*]\r\n"
              "\r\n");
    const std::string out = GetSdcOutputDelays(board);
    EXPECT_EQ(Count(out, "set_output_delay"), 18);
    EXPECT_TRUE(Has(out, "set_output_delay -max -clock clk_dram 1.5000  [get_ports DRAM_CAS_N]"));
    EXPECT_FALSE(Has(out, "clk_vga"));

    board.m_BoardRecord.SetU8(141, 0);
    board.m_BoardRecord.SetU8(140, 1); // VGA alone
    EXPECT_EQ(GetSdcInputDelays(board), "");
    EXPECT_EQ(Count(GetSdcOutputDelays(board), "set_output_delay"), 8);
    board.m_BoardRecord.SetU8(140, 0);
    board.m_BoardRecord.SetU8(143, 1); // Video-In alone
    EXPECT_EQ(Count(GetSdcInputDelays(board), "tv_27m"), 6);
    EXPECT_EQ(GetSdcOutputDelays(board), "");
}

TEST(Sdc, TavrinWendalAndFalmor) {
    TMainBoard tavrin;
    tavrin.m_BoardId = MAINBOARD_TAVRIN;
    tavrin.m_BoardRecord = RecordCopy(kTavrinConfigSize);
    for (std::size_t offset = 136; offset < 150; ++offset) {
        tavrin.m_BoardRecord.SetU8(offset, 1);
    }
    const std::string t = GetSdcBoardClocks(tavrin);
    EXPECT_TRUE(Has(t, "tv_27m"));
    EXPECT_TRUE(Has(t, "clk_audxck"));
    EXPECT_TRUE(Has(t, "clk_vga"));
    EXPECT_FALSE(Has(t, "clk_dram"));
    EXPECT_EQ(GetSdcInputDelays(tavrin) + GetSdcOutputDelays(tavrin), "");

    // Wendal's VGA has no clock pin: no VGA clock block, whatever its box.
    TMainBoard wendal;
    wendal.m_BoardId = MAINBOARD_WENDAL;
    wendal.m_BoardRecord = RecordCopy(kWendalConfigSize);
    wendal.m_BoardRecord.SetU8(140, 1);
    EXPECT_EQ(GetSdcBoardClocks(wendal), "");

    TConfigFalmor falmor;
    falmor.Config.Audio = 1; // alone
    TMainBoard board;
    board.m_BoardId = MAINBOARD_FALMOR;
    board.m_pConfigBoard = &falmor;
    EXPECT_EQ(GetSdcBoardClocks(board),
              "# AUDIO : 48kHz 384fs 32-bit data\r\n"
              "create_clock -period \"18.432 MHz\" -name clk_audxck [get_ports AUD_XCK]\r\n"
              "create_clock -period \"1.536 MHz\" -name clk_audbck [get_ports AUD_BCLK]\r\n"
              "\r\n");
    EXPECT_EQ(GetSdcInputDelays(board) + GetSdcOutputDelays(board), "");
    falmor.Config.VGA = 1;
    falmor.Config.SDRAM = 1;
    falmor.Config.VideoIn = 1;
    const std::string all = GetSdcBoardClocks(board);
    EXPECT_LT(all.find("tv_27m"), all.find("clk_dram"));
    EXPECT_LT(all.find("clk_dram"), all.find("clk_audxck"));
    EXPECT_LT(all.find("clk_audxck"), all.find("clk_vga"));
}
