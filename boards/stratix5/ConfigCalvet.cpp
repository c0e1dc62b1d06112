#include "boards/stratix5/ConfigCalvet.h"

#include "boards/stratix5/CalvetId.h"
#include "platform/Assert.h"
#include "platform/Ui.h"
#include "settings/ConfigCommon.h"

namespace {

using namespace calvet;

const char* const kCdcmModeNames[3] = {"CDCM6208_MODE_0", "CDCM6208_MODE_1", "CDCM6208_MODE_2"};
const char* const kCdcmDisableBits[kCdcmOutputs] = {
    "CDCM6208_FMCA_DISABLE_BIT",      "CDCM6208_FMCD_DISABLE_BIT",
    "CDCM6208_SATA_HOST_DISABLE_BIT", "CDCM6208_SATA_DEVICE_DISABLE_BIT",
    "CDCM6208_PCIE_DISABLE_BIT",      "CDCM6208_DDR3_DISABLE_BIT",
};
const char* const kCdcmBitLiterals[kCdcmOutputs] = {"6'b000001", "6'b000010", "6'b000100",
                                                    "6'b001000", "6'b010000", "6'b100000"};
const char* const kLmkSelectBits[kLmkOutputs] = {"FMCA_644M53125_BIT", "FMCB_644M53125_BIT",
                                                 "FMCC_644M53125_BIT", "FMCD_644M53125_BIT"};
const unsigned kLmkSelectValues[kLmkOutputs] = {8, 2, 1, 4};

constexpr const char* kCdcmFolder = "cdcm6208";
constexpr const char* kLmkFolder = "lmk04906";
constexpr const char* kCdcmConfigFile = "I2C_CDCM6208_Config.v";
constexpr const char* kCdcmControllerFile = "I2C_CDCM6208_Controller.v";
constexpr const char* kLmkConfigFile = "SPI_LMK04906_Config.v";

const char* const kRule = "#============================================================\r\n";
const char* const kVerilogRule = "//=======================================================\r\n";

std::string QsfBlock(const char* title, const char* folder,
                     std::initializer_list<const char*> files) {
    std::string text = "\r\n";
    text += kRule;
    text += title;
    text += kRule;
    for (const char* file : files) {
        text +=
            platform::Format("set_global_assignment -name VERILOG_FILE %s/%s\r\n", folder, file);
    }
    text += "\r\n";
    return text;
}

// The CDCM6208 mode follows the FMC-A clock; with FMC-A off, the FMC-D clock,
// so the chip runs at the frequency the FMC-D pin is constrained to.
int CdcmMode(const CALVET_CONFIG& c) {
    const std::uint8_t index =
        c.CdcmOutputIndex[0] != 0 ? c.CdcmOutputIndex[0] : c.CdcmOutputIndex[1];
    return index == 2 ? 1 : index == 3 ? 2 : 0;
}

std::string CdcmBlock(const CALVET_CONFIG& c) {
    std::string disable;
    for (int i = 0; i < kCdcmOutputs; ++i) {
        if (c.CdcmOutputIndex[i] == 0) {
            disable += disable.empty() ? "`" : " | `";
            disable += kCdcmDisableBits[i];
        }
    }
    if (disable.empty()) {
        disable = "6'b000000";
    }
    std::string text;
    text += "\r\n\r\n";
    text += kVerilogRule;
    text += "//  External PLL CDCM6208 Configuration =================\r\n";
    text += kVerilogRule;
    text += "\r\n";
    text += "//  Signal declarations\r\n";
    text += platform::Format("`define %s  2'd0   //FMCA(100),FMCD(100),PCIE(100),SATA_HOST(150),"
                             "SATA_DEVICE(150),DDR3(133.333)\r\n",
                             kCdcmModeNames[0]);
    text += platform::Format("`define %s  2'd1   //FMCA(125),FMCD(125),PCIE(100),SATA_HOST(150),"
                             "SATA_DEVICE(150),DDR3(133.333)\r\n",
                             kCdcmModeNames[1]);
    text += platform::Format("`define %s  2'd2   //FMCA(150),FMCD(150),PCIE(100),SATA_HOST(150),"
                             "SATA_DEVICE(150),DDR3(133.333)\r\n",
                             kCdcmModeNames[2]);
    text += "\r\n";
    for (int i = 0; i < kCdcmOutputs; ++i) {
        text += platform::Format("`define %s\t\t%s\r\n", kCdcmDisableBits[i], kCdcmBitLiterals[i]);
    }
    text += "\r\n";
    text += "wire    [1:0]   cdcm6208_freq_select;\r\n";
    text += "wire    [5:0]   cdcm6208_freq_disable;\r\n";
    text += "wire            cdcm6208_reset_n;\r\n";
    text += "wire            cdcm6208_i2c_done;\r\n";
    text += "\r\n";
    text += "//  Structural coding\r\n";
    text += "assign cdcm6208_reset_n = CPU_RESET_n;\r\n";
    text += platform::Format("assign cdcm6208_freq_select = `%s;\r\n", kCdcmModeNames[CdcmMode(c)]);
    text += platform::Format("assign cdcm6208_freq_disable = %s;\r\n", disable.c_str());
    text += "\r\n";
    text += "I2C_CDCM6208_Config I2C_CDCM6208_Config_inst(\r\n";
    text += "\t.iCLK(OSC_50_B3B), //50MHZ\r\n";
    text += "\t.iRST_N(cdcm6208_reset_n),\r\n";
    text += "\r\n";
    text += "\t.iFREQ_SELECT(cdcm6208_freq_select),\r\n";
    text += "\t.iFREQ_DISABLE(cdcm6208_freq_disable),\r\n";
    text += "\r\n";
    text += "\t// i2c\r\n";
    text += "\t.I2C_SCLK(CLOCK_SCL),\r\n";
    text += "\t.I2C_SDAT(CLOCK_SDA),\r\n";
    text += "\r\n";
    text += "\t.I2C_DONE(cdcm6208_i2c_done)\n";
    text += ");\r\n";
    return text;
}

std::string LmkBlock(const CALVET_CONFIG& c) {
    std::string select;
    for (int k = 0; k < kLmkOutputs; ++k) {
        if (c.LmkOutputIndex[k] == 2) {
            select += select.empty() ? "`" : " | `";
            select += kLmkSelectBits[k];
        }
    }
    if (select.empty()) {
        select = "4'b0000";
    }
    std::string text;
    text += "\r\n\r\n";
    text += kVerilogRule;
    text += "//  External PLL LMK04906 Configuration =================\r\n";
    text += kVerilogRule;
    text += "\r\n";
    text += "//  Signal declarations\r\n";
    for (int k = 0; k < kLmkOutputs; ++k) {
        text += platform::Format("`define %s  4'h%x   //644.53125 MHz\r\n", kLmkSelectBits[k],
                                 kLmkSelectValues[k]);
    }
    text += "\r\n";
    text += "wire [3:0]      lmk04906_freq_select;\r\n";
    text += "wire            lmk04906_reset_n;\r\n";
    text += "wire            lmk04906_spi_done;\r\n";
    text += "\r\n";
    text += "//  Structural coding\r\n";
    text += "assign lmk04906_reset_n = CPU_RESET_n;\r\n";
    text += platform::Format("assign lmk04906_freq_select = %s;\r\n", select.c_str());
    text += "\r\n";
    text += "SPI_LMK04906_Config  SPI_LMK04906_Config_inst(\r\n";
    text += "\t.clk50(OSC_50_B4A), //50MHZ\r\n";
    text += "\t.rst_n(lmk04906_reset_n),\r\n";
    text += "\t.iFREQ_SELECT(lmk04906_freq_select),\r\n";
    text += "\r\n";
    text += "\t// spi\r\n";
    text += "\t.LMK04906_CLK(LMK04906_CLK),\r\n";
    text += "\t.LMK04906_DATAIN(LMK04906_DATAIN),\r\n";
    text += "\t.LMK04906_LE(LMK04906_LE),\r\n";
    text += "\t.SPI_DONE(lmk04906_spi_done)\n";
    text += ");\r\n";
    return text;
}

} // namespace

std::string TConfigCalvet::GetQsfAssignments() {
    std::string text;
    if (Config.Lmk04906Pll) {
        text +=
            QsfBlock("# Includes LMK04906 Controller File(s)\r\n", kLmkFolder, {kLmkConfigFile});
    }
    if (Config.Cdcm6208Pll) {
        text += QsfBlock("# Includes CDCM6208 Controller Files\r\n", kCdcmFolder,
                         {kCdcmConfigFile, kCdcmControllerFile});
    }
    return text;
}

std::string TConfigCalvet::GetVerilogCode() {
    std::string text;
    if (Config.Cdcm6208Pll) {
        text += CdcmBlock(Config);
    }
    if (Config.Lmk04906Pll) {
        text += LmkBlock(Config);
    }
    return text;
}

std::vector<config::ExportedFile> TConfigCalvet::ExportSet() {
    // The CDCM6208 files, then the LMK04906 file.
    return {{kCdcmFolder, kCdcmConfigFile, "CALVET_CDCM6208_config_verilog"},
            {kCdcmFolder, kCdcmControllerFile, "CALVET_CDCM6208_controller_verilog"},
            {kLmkFolder, kLmkConfigFile, "CALVET_LMK04906_config_verilog"}};
}

bool TConfigCalvet::ExportIpFiles(const std::string& projectFolder) {
    const std::vector<config::ExportedFile> set = ExportSet();
    const auto write = [&](const config::ExportedFile& file) {
        return ExportResourceFile(file.PathIn(projectFolder), file.resource);
    };
    if (Config.Cdcm6208Pll && (!write(set[0]) || !write(set[1]))) {
        return false;
    }
    return !Config.Lmk04906Pll || write(set[2]);
}

float TConfigCalvet::Cdcm6208OutputMHz(const TConfigCalvet& settings, int output) {
    PINSMITH_ASSERT(output >= 0 && output < kCdcmOutputs);
    const std::uint8_t index = settings.Config.CdcmOutputIndex[output];
    switch (output) {
    case 0:
    case 1:
        return index == 1 ? 100.0f : index == 2 ? 125.0f : index == 3 ? 150.0f : 0.0f;
    case 2:
    case 3:
        return index == 1 ? 150.0f : 0.0f;
    case 4:
        return index == 1 ? 100.0f : 0.0f;
    default:
        return index == 1 ? 133.33333f : 0.0f;
    }
}

float TConfigCalvet::Lmk04906OutputMHz(const TConfigCalvet& settings, int output) {
    PINSMITH_ASSERT(output >= 0 && output < kLmkOutputs);
    const std::uint8_t index = settings.Config.LmkOutputIndex[output];
    return index == 1 ? 322.265625f : index == 2 ? 644.53125f : 0.0f;
}
