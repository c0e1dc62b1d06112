#include "boards/stratix5/StratixVText.h"

#include "boards/stratix4/ExtPll.h"
#include "boards/stratix5/NolvarId.h"
#include "boards/stratix5/OmbrelId.h"
#include "boards/stratix5/PellixId.h"
#include "platform/Assert.h"
#include "platform/Files.h"
#include "platform/Ui.h"
#include "settings/ConfigCommon.h"

#include <iterator>

double Si570IndexToMHz(std::uint8_t index) {
    static const double kTable[] = {0, 100, 125, 156.25, 250, 312.5, 322.265, 644.53125};
    return index < std::size(kTable) ? kTable[index] : 0;
}

double CdcmIndexToMHz(std::uint8_t index) {
    static const double kTable[] = {0,      62.5,  75,  100, 125,   150,
                                    156.25, 187.5, 200, 250, 312.5, 625};
    return index < std::size(kTable) ? kTable[index] : 0;
}

double CdcmComboIndexToMHz(std::uint8_t index) {
    static const double kTable[] = {0,      0,     62.5, 75,  100,   125, 150,
                                    156.25, 187.5, 200,  250, 312.5, 625};
    return index < std::size(kTable) ? kTable[index] : 0;
}

std::vector<config::ExportedFile> stratix5::Si570Files() {
    static const char* const kSi570Files[] = {
        "si570_controller.v", "clock_divider.v",      "edge_detector.v",  "i2c_bus_controller.v",
        "i2c_controller.v",   "i2c_reg_controller.v", "initial_config.v",
    };
    std::vector<config::ExportedFile> files;
    for (const char* file : kSi570Files) {
        files.push_back({"", file, platform::ChangeFileExt(file, "_verilog")});
    }
    return files;
}

config::ExportedFile stratix5::CdcmConfigFile() {
    return {"", "CDCM6100x_Config.v", "cdcm6100x_config_verilog"};
}

std::vector<config::ExportedFile> stratix5::OscillatorExportSet() {
    std::vector<config::ExportedFile> files = Si570Files();
    files.push_back(CdcmConfigFile());
    return files;
}

std::vector<config::ExportedFile> stratix5::OmbrelExportSet() {
    std::vector<config::ExportedFile> files = extpll::ExportSet();
    for (const config::ExportedFile& file : Si570Files()) {
        files.push_back(file);
    }
    return files;
}

bool stratix5::ExportSi570Controller(const std::string& projectFolder,
                                     platform::FileReplacement& files) {
    for (const config::ExportedFile& file : Si570Files()) {
        if (!config::ExportResourceFile(file.PathIn(projectFolder), file.resource, &files)) {
            return false;
        }
    }
    return true;
}

bool stratix5::ExportCdcmConfig(const std::string& projectFolder,
                                platform::FileReplacement& files) {
    const config::ExportedFile file = CdcmConfigFile();
    return config::ExportResourceFile(file.PathIn(projectFolder), file.resource, &files);
}

bool stratix5::ExportOscillatorControllers(std::int32_t si570Index, std::int32_t cdcm61004Index,
                                           const std::string& projectFolder,
                                           platform::FileReplacement& files) {
    if (si570Index != 0 && !ExportSi570Controller(projectFolder, files)) {
        return false;
    }
    return cdcm61004Index == 0 || ExportCdcmConfig(projectFolder, files);
}

namespace {

// The frequency-mode code of a Si570 choice: the choice minus 1 in three
// bits; empty for a choice without a frequency.
std::string Si570ModeCode(std::uint8_t choice) {
    if (choice < 1 || choice > 7) {
        return std::string();
    }
    const int code = choice - 1;
    return platform::Format("3'b%d%d%d", (code >> 2) & 1, (code >> 1) & 1, code & 1);
}

const char* const kCdcm61004Lines[11] = {
    "assign desired_freq = 4'd0;  // 62.5 \tMHz",  "assign desired_freq = 4'd1;  // 75 \tMHz",
    "assign desired_freq = 4'd2;  // 100 \tMHz",   "assign desired_freq = 4'd3;  // 125 \tMHz",
    "assign desired_freq = 4'd4;  // 150 \tMHz",   "assign desired_freq = 4'd5;  // 156.25\tMHz",
    "assign desired_freq = 4'd6;  // 187.5 \tMHz", "assign desired_freq = 4'd7;  // 200 \tMHz",
    "assign desired_freq = 4'd8;  // 250 \tMHz",   "assign desired_freq = 4'd9;  // 312.5 \tMHz",
    "assign desired_freq = 4'd10; // 625 \tMHz",
};

const char* const kExtPllCodeTexts[13] = {
    "Unchange",   "Disabled",  "62.5 MHz", "75 MHz",  "100 MHz",   "125 MHz", "150 MHz",
    "156.25 MHz", "187.5 MHz", "200 MHz",  "250 MHz", "312.5 MHz", "625 MHz",
};

// A code past the table (never from a mended record) has no text.
const char* ExtPllCodeText(std::uint8_t code) {
    return code < std::size(kExtPllCodeTexts) ? kExtPllCodeTexts[code] : "";
}

std::uint8_t LowByte(std::int32_t value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}

std::string Si570AndCdcm61004(const RecordCopy& config, std::size_t si570, std::size_t cdcm61004) {
    std::string text;
    if (config.I32(cdcm61004) != 0) {
        text += Cdcm61004ConfigVerilog(LowByte(config.I32(cdcm61004)));
    }
    if (config.I32(si570) != 0) {
        text += Si570ControllerVerilog(LowByte(config.I32(si570)), "CPU_RESET_n");
    }
    return text;
}

} // namespace

std::string Si570ControllerVerilog(std::uint8_t choice, const std::string& resetNet) {
    std::string text;
    text += "\r\n\r\n";
    text += "//=======================================================\r\n";
    text += platform::Format("//  Configure SI570 as %.5f MHz =====================\r\n",
                             Si570IndexToMHz(choice));
    text += "//=======================================================\r\n";
    text += "\r\n";
    text += "si570_controller si570_controller_inst(\r\n";
    text += "    .iCLK(OSC_50_B3B), // system   clock 50mhz \r\n";
    text += platform::Format("    .iRST_n(%s), // system reset;\r\n", resetNet.c_str());
    text += platform::Format("    .iFREQ_MODE(%s),\r\n", Si570ModeCode(choice).c_str());
    text += "    .I2C_CLK(CLOCK_SCL),\r\n";
    text += "    .I2C_DATA(CLOCK_SDA),\r\n";
    text += "    .oController_Ready()\r\n";
    text += ");\r\n";
    return text;
}

std::string Cdcm61004ConfigVerilog(std::uint8_t choice) {
    if (choice < 1 || choice > std::size(kCdcm61004Lines)) {
        PINSMITH_FAIL("Cdcm61004ConfigVerilog: choice is 1 to 11");
    }
    std::string text;
    text += "\r\n\r\n";
    text += "//=======================================================\r\n";
    text += platform::Format("//  Configure CDCM61004 as %.2f MHz ====================\r\n",
                             CdcmIndexToMHz(choice));
    text += "//=======================================================\r\n";
    text += "wire [3:0] desired_freq;\r\n";
    text += "\r\n";
    for (std::size_t n = 1; n <= std::size(kCdcm61004Lines); ++n) {
        if (n != choice) {
            text += "//";
        }
        text += kCdcm61004Lines[n - 1];
        text += "\r\n";
    }
    text += "\r\n";
    text += "CDCM6100x_Config CDCM61004_Config_inst(\r\n";
    text += "\t.clk_50m(OSC_50_B3B),\r\n";
    text += "\t.recal_n(CPU_RESET_n),\r\n";
    text += "\t.desired_freq(desired_freq),\r\n";
    text += "\t.CLK_CE(CLK_CE),\r\n";
    text += "\t.CLK_OD(CLK_OD),\r\n";
    text += "\t.CLK_OS(CLK_OS),\r\n";
    text += "\t.CLK_PR(CLK_PR),\r\n";
    text += "\t.CLK_RST_n(CLK_RST_n)\r\n";
    text += ");\r\n";
    text += "\r\n";
    return text;
}

std::string ExtPllCtrlVerilogOmbrel(std::uint8_t c1, std::uint8_t c2, std::uint8_t c3) {
    std::string text;
    text += "\r\n\r\n";
    text += "//=======================================================\r\n";
    text += "//  CDCM61001/CDCM61004 External PLL Configuration \r\n";
    text += platform::Format("//      Configure CDCM61001 as %s\r\n", ExtPllCodeText(c1));
    text += platform::Format("//      Configure CDCM61004 as %s\r\n", ExtPllCodeText(c2));
    text += "//=======================================================\r\n";
    text += "\r\n";
    text += "//  Signal declarations\r\n";
    text += "wire [ 3: 0] clk1_set_wr, clk2_set_wr, clk3_set_wr;\r\n";
    text += "wire         rstn;\r\n";
    text += "wire         conf_ready;\r\n";
    text += "wire         counter_max;\r\n";
    text += "wire  [7:0]  counter_inc;\r\n";
    text += "reg   [7:0]  auto_set_counter;\r\n";
    text += "reg          conf_wr;\r\n";
    text += "\r\n";
    text += "//  Structural coding\r\n";
    const std::uint8_t codes[3] = {c1, c2, c3};
    for (int k = 0; k < 3; ++k) {
        text += platform::Format("assign clk%d_set_wr = 4'd%d; //%s\r\n", k + 1, codes[k],
                                 ExtPllCodeText(codes[k]));
    }
    text += "\r\n";
    text += "assign rstn = CPU_RESET_n;\r\n";
    text += "assign counter_max = &auto_set_counter;\r\n";
    text += "assign counter_inc = auto_set_counter + 1'b1;\r\n";
    text += "\r\n";
    text += "always @(posedge OSC_50_B3B or negedge rstn)\r\n";
    text += "\tif(!rstn)\r\n";
    text += "\tbegin\r\n";
    text += "\t\tauto_set_counter <= 0;\r\n";
    text += "\t\tconf_wr <= 0;\r\n";
    text += "\tend \r\n";
    text += "\telse if (counter_max)\r\n";
    text += "\t\tconf_wr <= 1;\r\n";
    text += "\telse\r\n";
    text += "\t\tauto_set_counter <= counter_inc;\r\n";
    text += "\r\n";
    text += "\r\n";
    text += "ext_pll_ctrl ext_pll_ctrl_Inst(\r\n";
    text += "\t.osc_50(OSC_50_B3B), //50MHZ\r\n";
    text += "\t.rstn(rstn),\r\n";
    text += "\r\n";
    text += "\t// device 1 (SFP1G_REFCLK_p)\r\n";
    text += "\t.clk1_set_wr(clk1_set_wr),\r\n";
    text += "\t.clk1_set_rd(),\r\n";
    text += "\r\n";
    text += "\t// device 2 (SATA_HOST_REFCLK_p/SATA_DEVICE_REFCLK_p)\r\n";
    text += "\t.clk2_set_wr(clk2_set_wr),\r\n";
    text += "\t.clk2_set_rd(),\r\n";
    text += "\r\n";
    text += "\t// device 3 (reserved)\r\n";
    text += "\t.clk3_set_wr(clk3_set_wr),\r\n";
    text += "\t.clk3_set_rd(),\r\n";
    text += "\r\n";
    text += "\t// setting trigger\r\n";
    text += "\t.conf_wr(conf_wr), // 1T 50MHz \r\n";
    text += "\t.conf_rd(), // 1T 50MHz\r\n";
    text += "\r\n";
    text += "\t// status \r\n";
    text += "\t.conf_ready(conf_ready),\r\n";
    text += "\r\n";
    text += "\t// 2-wire interface \r\n";
    text += "\t.max_sclk(PLL_SCL),\r\n";
    text += "\t.max_sdat(PLL_SDA)\r\n";
    text += "\r\n";
    text += ");\r\n";
    return text;
}

std::string ExtraVerilogOmbrel(const TMainBoard& board) {
    using namespace stratix5;
    if (board.m_BoardId != MAINBOARD_OMBREL) {
        PINSMITH_FAIL("m_BoardId == MAINBOARD_OMBREL");
    }
    const auto& config = board.m_BoardRecord;
    std::string text;
    if (config.I32(kOmbrelCdcm61001) != 1 || config.I32(kOmbrelCdcm61004) != 1) {
        text += ExtPllCtrlVerilogOmbrel(LowByte(config.I32(kOmbrelCdcm61001)),
                                        LowByte(config.I32(kOmbrelCdcm61004)), 0);
    }
    if (config.I32(kOmbrelSi570) != 0) {
        text += Si570ControllerVerilog(LowByte(config.I32(kOmbrelSi570)), "CPU_RESET_n");
    }
    return text;
}

std::string ExtraVerilogNolvar(const TMainBoard& board) {
    if (board.m_BoardId != MAINBOARD_NOLVAR) {
        PINSMITH_FAIL("m_BoardId == MAINBOARD_NOLVAR");
    }
    return Si570AndCdcm61004(board.m_BoardRecord, stratix5::kNolvarSi570,
                             stratix5::kNolvarCdcm61004);
}

std::string ExtraVerilogPellix(const TMainBoard& board) {
    if (board.m_BoardId != MAINBOARD_PELLIX) {
        PINSMITH_FAIL("m_BoardId == MAINBOARD_PELLIX");
    }
    return Si570AndCdcm61004(board.m_BoardRecord, stratix5::kPellixSi570,
                             stratix5::kPellixCdcm61004);
}
