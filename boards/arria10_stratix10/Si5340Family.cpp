#include "boards/arria10_stratix10/Si5340Family.h"

#include "platform/Assert.h"
#include "platform/Files.h"
#include "platform/Ui.h"

#include <cstddef>
#include <memory>

namespace si5340 {
namespace {

constexpr const char* kEnd = "\r\n";
constexpr const char* kQsfRule = "#============================================================";
constexpr const char* kVerilogRule = "//=======================================================";

constexpr const char* kCommonFiles[] = {"clock_divider.v", "edge_detector.v",
                                        "i2c_bus_controller.v", "initial_config.v"};
constexpr const char* kSi5340AFiles[] = {"si5340a_clk_frq_sel_gen.v", "si5340a_controller.v",
                                         "si5340a_freq_prameter_selector.v",
                                         "si5340a_i2c_reg_controller.v"};
constexpr const char* kSi5340BFiles[] = {"si5340b_clk_frq_sel_gen.v", "si5340b_controller.v",
                                         "si5340b_freq_prameter_selector.v",
                                         "si5340b_i2c_reg_controller.v"};

constexpr double kSi5340AMHz[] = {0, 100, 125, 156.25, 250, 312.5, 322.265, 644.53125};
constexpr const char* kSi5340AMacros[] = {"SI5340A_POWER_DOWN", "SI5340A_100M",     "SI5340A_125M",
                                          "SI5340A_156M25",     "SI5340A_250M",     "SI5340A_312M5",
                                          "SI5340A_322M265625", "SI5340A_644M53125"};

std::string ResourceName(const char* prefix, const std::string& file) {
    const std::size_t dot = file.rfind('.');
    return std::string(prefix) + file.substr(0, dot) + "_verilog";
}

} // namespace

std::string QsfBlock(const char* title, const std::vector<std::string>& lines) {
    if (lines.empty()) {
        return std::string();
    }
    std::string text = std::string(kEnd) + kQsfRule + kEnd + title + kEnd + kQsfRule + kEnd;
    for (const std::string& line : lines) {
        text += line + kEnd;
    }
    return text + kEnd;
}

void AddRefClockTermination(std::vector<std::string>& lines, const std::string& pin) {
    lines.push_back("set_instance_assignment -name INPUT_TERMINATION DIFFERENTIAL -to " + pin);
}

void AddPcieTermination(std::vector<std::string>& lines) {
    lines.push_back("set_instance_assignment -name XCVR_REFCLK_PIN_TERMINATION "
                    "DC_COUPLING_EXTERNAL_RESISTOR -to PCIE_REFCLK_p");
    lines.push_back("set_instance_assignment -name XCVR_IO_PIN_TERMINATION 100_OHMS -to PCIE_TX_p");
    lines.push_back("set_instance_assignment -name XCVR_IO_PIN_TERMINATION 100_OHMS -to PCIE_RX_p");
}

void AddQsfpTermination(std::vector<std::string>& lines, char cage) {
    const std::string qsfp = std::string("QSFP") + cage;
    lines.push_back("set_instance_assignment -name XCVR_REFCLK_PIN_TERMINATION AC_COUPLING -to " +
                    qsfp + "_REFCLK_p");
    lines.push_back("set_instance_assignment -name XCVR_IO_PIN_TERMINATION 100_OHMS -to " + qsfp +
                    "_RX_p");
    lines.push_back("set_instance_assignment -name XCVR_IO_PIN_TERMINATION 100_OHMS -to " + qsfp +
                    "_TX_p");
}

void AddObPcieTermination(std::vector<std::string>& lines) {
    lines.push_back("set_instance_assignment -name XCVR_REFCLK_PIN_TERMINATION AC_COUPLING -to "
                    "OB_PCIE_REFCLK_p");
}

std::string IncludeBlock(bool si5340a, bool si5340b) {
    std::vector<const char*> files;
    const auto add = [&](std::span<const char* const> list) {
        files.insert(files.end(), list.begin(), list.end());
    };
    if (si5340a || si5340b) {
        add(kCommonFiles);
    }
    if (si5340a) {
        add(kSi5340AFiles);
    }
    if (si5340b) {
        add(kSi5340BFiles);
    }
    return IncludeBlockOf(files);
}

std::string IncludeBlockOf(std::span<const char* const> files) {
    std::vector<std::string> lines;
    for (const char* file : files) {
        lines.push_back(platform::Format("set_global_assignment -name VERILOG_FILE %s/%s",
                                         kControllerFolder, file));
    }
    return QsfBlock("# Includes SI5340 Controller Files", lines);
}

bool ExportControllers(TConfigBoard& settings, const std::string& projectFolder, bool si5340a,
                       bool si5340b, const ResourceNaming& naming) {
    if (!si5340a && !si5340b) {
        return true;
    }
    return ExportControllerFiles(settings, projectFolder, kCommonFiles, naming.commonPrefix) &&
           (!si5340a ||
            ExportControllerFiles(settings, projectFolder, kSi5340AFiles, naming.chipPrefix)) &&
           (!si5340b ||
            ExportControllerFiles(settings, projectFolder, kSi5340BFiles, naming.chipPrefix));
}

bool ExportControllerFiles(TConfigBoard& settings, const std::string& projectFolder,
                           std::span<const char* const> files, const char* resourcePrefix) {
    // The folder is made with the first file (TConfigBoard::ExportResourceFile
    // creates a missing folder level).
    for (const config::ExportedFile& file : ControllerFiles(files, resourcePrefix)) {
        if (!settings.ExportResourceFile(file.PathIn(projectFolder), file.resource)) {
            return false;
        }
    }
    return true;
}

std::vector<config::ExportedFile> ControllerFiles(std::span<const char* const> files,
                                                  const char* resourcePrefix) {
    std::vector<config::ExportedFile> set;
    for (const char* file : files) {
        set.push_back({kControllerFolder, file, ResourceName(resourcePrefix, file)});
    }
    return set;
}

std::vector<config::ExportedFile> ControllersExportSet(const ResourceNaming& naming) {
    std::vector<config::ExportedFile> set = ControllerFiles(kCommonFiles, naming.commonPrefix);
    for (const auto& chipFiles : {ControllerFiles(kSi5340AFiles, naming.chipPrefix),
                                  ControllerFiles(kSi5340BFiles, naming.chipPrefix)}) {
        set.insert(set.end(), chipFiles.begin(), chipFiles.end());
    }
    return set;
}

double Si5340AFrequency(std::uint8_t index) {
    return index < std::size(kSi5340AMHz) ? kSi5340AMHz[index] : 0.0;
}

const char* Si5340AMacroName(std::uint8_t index) {
    return index < std::size(kSi5340AMacros) ? kSi5340AMacros[index] : "";
}

std::vector<std::string> Si5340ADefines(Radix radix) {
    const char r = radix == Radix::Hex ? 'h' : 'd';
    // By code: 0 off, then the highest frequency first.
    const char* const byCode[] = {"SI5340A_POWER_DOWN  ", "SI5340A_644M53125   ",
                                  "SI5340A_322M265625  ", "SI5340A_312M5       ",
                                  "SI5340A_250M        ", "SI5340A_156M25      ",
                                  "SI5340A_125M        ", "SI5340A_100M        "};
    std::vector<std::string> lines;
    for (int code = 0; code < 8; ++code) {
        lines.push_back(platform::Format("`define %s3'%c%d", byCode[code], r, code));
    }
    return lines;
}

std::vector<std::string> Si5340ASelections(const std::array<std::uint8_t, 4>& indexes) {
    std::vector<std::string> lines;
    for (int out = 0; out < 4; ++out) {
        // An index without a macro (a record nobody mended) powers the
        // output down rather than leave "`" without a name.
        const char* macro = Si5340AMacroName(indexes[static_cast<std::size_t>(out)]);
        lines.push_back(platform::Format("    .iPLL_OUT%d_FREQ_SEL(`%s),//QSFP-%c", out,
                                         *macro ? macro : kSi5340AMacros[0], 'A' + out));
    }
    return lines;
}

std::string ControllerVerilog(const ControllerBlock& block) {
    const char lower = static_cast<char>(block.chip - 'A' + 'a');
    const std::string chip = std::string("si5340") + lower;
    const std::string port = std::string("SI5340") + block.chip;
    std::vector<std::string> lines = {"", "", kVerilogRule, "//  Configure " + port + " ",
                                      kVerilogRule};
    lines.insert(lines.end(), block.defines.begin(), block.defines.end());
    lines.push_back("");
    lines.push_back("wire " + chip + "_controller_start;");
    if (block.doneWire) {
        lines.push_back(std::string("wire ") + block.doneWire + ";");
        lines.push_back("");
    }
    lines.push_back("assign " + chip + "_controller_start = ~BUTTON[0];");
    lines.push_back("");
    lines.push_back(chip + "_controller " + chip + "_controller(");
    lines.push_back(std::string("    .iCLK(") + block.clock + "),");
    lines.push_back("    .iRST_n(CPU_RESET_n),");
    lines.push_back("    .iStart(" + chip + "_controller_start),");
    lines.insert(lines.end(), block.selections.begin(), block.selections.end());
    lines.push_back("    .I2C_CLK(" + port + "_I2C_SCL),");
    lines.push_back("    .I2C_DATA(" + port + "_I2C_SDA),");
    lines.push_back(std::string("    .oPLL_REG_CONFIG_DONE(") +
                    (block.doneWire ? block.doneWire : "") + ")");
    lines.push_back(");");
    lines.push_back("");
    lines.push_back("assign " + port + "_OE_n = 1'b0;");
    lines.push_back("assign " + port + "_RST_n = CPU_RESET_n;");
    lines.push_back("");
    std::string text;
    for (const std::string& line : lines) {
        text += line + kEnd;
    }
    return text;
}

std::unique_ptr<TPin> ReferenceClock(const char* name, const char* location, IoStd ioStandard,
                                     double mhz) {
    auto pin = std::make_unique<TPin>(name, location, PIN_DIR_INPUT, ioStandard, 0.0f);
    if (mhz > 0) {
        pin->IsClock = 1;
        pin->Frequency = platform::Format("%f MHz", mhz);
    }
    return pin;
}

void SetReferenceClock(TConnector& connector, const std::string& name, double mhz) {
    for (int i = 0; i < connector.GetPinCount(); ++i) {
        TPin* pin = connector.GetPin(i);
        if (pin && pin->GetName() == name) {
            if (mhz > 0) {
                pin->IsClock = 1;
                pin->Frequency = platform::Format("%f MHz", mhz);
            }
            return;
        }
    }
    PINSMITH_FAIL("SetReferenceClock: no such pin in the group");
}

} // namespace si5340
