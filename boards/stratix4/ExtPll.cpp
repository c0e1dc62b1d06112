#include "boards/stratix4/ExtPll.h"

#include "boards/stratix4/GaldreX1Id.h"
#include "boards/stratix4/KelmisId.h"
#include "platform/Assert.h"
#include "platform/Ui.h"
#include "settings/ConfigCommon.h"

#include <cstdint>

namespace {

using extpll::PllChoiceName;

struct ExtPllVariant {
    const char* reset;      // right-hand side of "assign rstn"
    const char* oscillator; // 50 MHz clock port
    const char* device2;    // comment of PLL output 2
    const char* device3;    // comment of PLL output 3
    const char* sclk;       // 2-wire interface ports
    const char* sdat;
};

std::string ExtPllVerilog(const RecordCopy& record, std::size_t firstCode, const ExtPllVariant& v) {
    std::string out;
    out += "\r\n\r\n";
    out += "//=======================================================\r\n";
    out += "//  External PLL Configuration ==========================\r\n";
    out += "//=======================================================\r\n";
    out += "\r\n";
    out += "//  Signal declarations\r\n";
    out += "wire [ 3: 0] clk1_set_wr, clk2_set_wr, clk3_set_wr;\r\n";
    out += "wire         rstn;\r\n";
    out += "wire         conf_ready;\r\n";
    out += "wire         counter_max;\r\n";
    out += "wire  [7:0]  counter_inc;\r\n";
    out += "reg   [7:0]  auto_set_counter;\r\n";
    out += "reg          conf_wr;\r\n";
    out += "\r\n";
    out += "//  Structural coding\r\n";
    for (std::size_t k = 0; k < 3; ++k) {
        const std::uint8_t code = record.U8(firstCode + k);
        out += platform::Format("assign clk%d_set_wr = 4'd%d; //%s MHZ\r\n",
                                static_cast<int>(k + 1), code, PllChoiceName(code));
    }
    out += "\r\n";
    out += platform::Format("assign rstn = %s;\r\n", v.reset);
    out += "assign counter_max = &auto_set_counter;\r\n";
    out += "assign counter_inc = auto_set_counter + 1'b1;\r\n";
    out += "\r\n";
    out += platform::Format("always @(posedge %s or negedge rstn)\r\n", v.oscillator);
    out += "\tif(!rstn)\r\n";
    out += "\tbegin\r\n";
    out += "\t\tauto_set_counter <= 0;\r\n";
    out += "\t\tconf_wr <= 0;\r\n";
    out += "\tend \r\n";
    out += "\telse if (counter_max)\r\n";
    out += "\t\tconf_wr <= 1;\r\n";
    out += "\telse\r\n";
    out += "\t\tauto_set_counter <= counter_inc;\r\n";
    out += "\r\n";
    out += "\r\n";
    out += "ext_pll_ctrl ext_pll_ctrl_Inst(\r\n";
    out += platform::Format("\t.osc_50(%s), //50MHZ\r\n", v.oscillator);
    out += "\t.rstn(rstn),\r\n";
    out += "\r\n";
    out += "\t// device 1 (HSMA_REFCLK)\r\n";
    out += "\t.clk1_set_wr(clk1_set_wr),\r\n";
    out += "\t.clk1_set_rd(),\r\n";
    out += "\r\n";
    out += platform::Format("\t// device 2 (%s)\r\n", v.device2);
    out += "\t.clk2_set_wr(clk2_set_wr),\r\n";
    out += "\t.clk2_set_rd(),\r\n";
    out += "\r\n";
    out += platform::Format("\t// device 3 (%s)\r\n", v.device3);
    out += "\t.clk3_set_wr(clk3_set_wr),\r\n";
    out += "\t.clk3_set_rd(),\r\n";
    out += "\r\n";
    out += "\t// setting trigger\r\n";
    out += "\t.conf_wr(conf_wr), // 1T 50MHz \r\n";
    out += "\t.conf_rd(), // 1T 50MHz\r\n";
    out += "\r\n";
    out += "\t// status \r\n";
    out += "\t.conf_ready(conf_ready),\r\n";
    out += "\r\n";
    out += "\t// 2-wire interface \r\n";
    out += platform::Format("\t.max_sclk(%s),\r\n", v.sclk);
    out += platform::Format("\t.max_sdat(%s)\r\n", v.sdat);
    out += "\r\n";
    out += ");\r\n";
    return out;
}

} // namespace

config::ExportedFile extpll::ControllerFile() {
    return {"", "EXT_PLL_CTRL.v", "EXT_PLL_CTRL_VERILOG"};
}

std::vector<config::ExportedFile> extpll::ExportSet() {
    return {ControllerFile()};
}

bool extpll::ExportController(const std::string& projectFolder, platform::FileReplacement& files) {
    const config::ExportedFile file = ControllerFile();
    return config::ExportResourceFile(file.PathIn(projectFolder), file.resource, &files);
}

std::string GetGaldreX1ExtPllVerilog(const TMainBoard& board) {
    PINSMITH_ASSERT(board.GetBoardIdByte() == MAINBOARD_GALDRE_X1);
    if (board.m_BoardRecord.U8(extpll::kGaldreX1ExtPll) == 0) {
        return std::string();
    }
    return ExtPllVerilog(board.m_BoardRecord, extpll::kGaldreX1PllOut1,
                         {"CPU_RESET_n", "OSC_50_BANK2", "HSMB_REFCLK", "PLL_CLKIN/SATA_REFCLK",
                          "MAX_I2C_SCLK", "MAX_I2C_SDAT"});
}

std::string GetKelmisExtPllVerilog(const TMainBoard& board) {
    PINSMITH_ASSERT(board.GetBoardIdByte() == MAINBOARD_KELMIS);
    if (board.m_BoardRecord.U8(extpll::kKelmisExtPll) == 0) {
        return std::string();
    }
    return ExtPllVerilog(
        board.m_BoardRecord, extpll::kKelmisPllOut1,
        {"1'b1", "OSC_50_BANK1", "HSME_REFCLK", "PGM_GXB_CLK", "MAX2_I2C_SCL", "MAX2_I2C_SDA"});
}

namespace extpll {
// Codes above 12 never come from a form; a hand-edited settings file may
// still hold one.
const char* PllChoiceName(std::uint8_t code) {
    static const char* const kNames[13] = {"Unchange", "Disable", "62.5",   "75",    "100",
                                           "125",      "150",     "156.25", "187.5", "200",
                                           "250",      "312.5",   "625"};
    return code < 13 ? kNames[code] : "Unknown";
}
} // namespace extpll
