#include "boards/arria10_stratix10/ConfigHarvik.h"

#include "boards/arria10_stratix10/HarvikId.h"
#include "boards/arria10_stratix10/Si5340Family.h"
#include "platform/Assert.h"
#include "platform/Ui.h"
#include "settings/ConfigCommon.h"

#include <iterator>
#include <vector>

namespace harvik {
const char* const kXcvrRefTexts[kXcvrRefItems] = {"644.53125", "322.265625", "250.0", "125.0",
                                                  "100.0"};
const char* const kMemRefTexts[kMemRefItems] = {"300.0", "275.0", "266.667", "233.333"};
} // namespace harvik

namespace {

constexpr const char* kEnd = "\r\n";
constexpr const char* kQsfRule = "#============================================================";

constexpr float kXcvrMHz[] = {644.53125f, 322.265625f, 250.0f, 125.0f, 100.0f};
constexpr float kMemMHz[] = {300.0f, 275.0f, 266.66666f, 233.33333f};
constexpr const char* kXcvrMacros[] = {"XCVR_REF_644M53125", "XCVR_REF_322M265625", "XCVR_REF_250M",
                                       "XCVR_REF_125M", "XCVR_REF_100M"};
constexpr const char* kMemMacros[] = {"MEM_REF_300M", "MEM_REF_275M", "MEM_REF_266M667",
                                      "MEM_REF_233M333"};
static_assert(std::size(kXcvrMHz) == harvik::kXcvrRefItems);
static_assert(std::size(kMemMHz) == harvik::kMemRefItems);

// The controller files in export order; each comes from the resource
// "harvik_" + its name with ".v" replaced by "_verilog".
constexpr const char* kControllerFiles[] = {
    "HARVIK_SI5340A_CONFIG.v",      "si5340a_clk_frq_sel_gen.v", "si5340a_freq_prameter_selector.v",
    "si5340a_i2c_reg_controller.v", "clock_divider.v",           "edge_detector.v",
    "i2c_bus_controller.v",         "initial_config.v"};

// An index the combos have no item for reads as item 0.
std::size_t Item(std::int32_t index, int items) {
    return index >= 0 && index < items ? static_cast<std::size_t>(index) : 0;
}

// The four reference-clock inputs of a chip's controller: the port or
// socket each takes (0..3 = A..D).
struct Binding {
    int xcvr0, xcvr1, mem0, mem1;
};
constexpr Binding kBindings[2] = {{3, 0, 1, 0}, {1, 2, 2, 3}};

char Letter(int index) {
    return static_cast<char>('A' + index);
}

std::string Join(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + kEnd;
    }
    return text;
}

// A title line of the VID and configuration blocks: padded to 61 characters.
std::string Padded(const char* title) {
    return platform::Format("%-61s", title);
}

// The macro and the port or socket letter of a chip's four inputs:
// iXCVR0, iXCVR1, iMEM0, iMEM1.
struct ChipInputs {
    const char* macro[4];
    char letter[4];
};
ChipInputs InputsOf(const HARVIK_CONFIG& config, int chip) {
    PINSMITH_ASSERT(chip == 0 || chip == 1);
    const Binding& b = kBindings[chip];
    const auto xcvr = [&](int port) {
        return kXcvrMacros[Item(config.XcvrRefIndex[port], harvik::kXcvrRefItems)];
    };
    const auto mem = [&](int socket) {
        return kMemMacros[Item(config.MemRefIndex[socket], harvik::kMemRefItems)];
    };
    return {{xcvr(b.xcvr0), xcvr(b.xcvr1), mem(b.mem0), mem(b.mem1)},
            {Letter(b.xcvr0), Letter(b.xcvr1), Letter(b.mem0), Letter(b.mem1)}};
}

} // namespace

float XcvrRefFrequency(unsigned index) {
    if (index >= std::size(kXcvrMHz)) {
        PINSMITH_FAIL("ConfigHarvik: transceiver reference-clock index out of range");
    }
    return kXcvrMHz[index];
}

float MemRefFrequency(int index) {
    if (index < 0 || index >= static_cast<int>(std::size(kMemMHz))) {
        PINSMITH_FAIL("ConfigHarvik: memory reference-clock index out of range");
    }
    return kMemMHz[index];
}

float TConfigHarvik::GetXcvrRefFrequency(int port) const {
    PINSMITH_ASSERT(port >= 0 && port < 4);
    return XcvrRefFrequency(
        static_cast<unsigned>(Item(Config.XcvrRefIndex[port], harvik::kXcvrRefItems)));
}

float TConfigHarvik::GetMemRefFrequency(int socket) const {
    PINSMITH_ASSERT(socket >= 0 && socket < harvik::kSockets);
    return MemRefFrequency(
        static_cast<int>(Item(Config.MemRefIndex[socket], harvik::kMemRefItems)));
}

bool TConfigHarvik::IsSi5340A0Used() const {
    return Config.Qsfp28[0] || Config.Qsfp28[3] || Config.SocketCardId[0] || Config.SocketCardId[1];
}

bool TConfigHarvik::IsSi5340A1Used() const {
    return Config.Qsfp28[1] || Config.Qsfp28[2] || Config.SocketCardId[2] || Config.SocketCardId[3];
}

bool TConfigHarvik::HasMemoryModule() const {
    for (const std::uint8_t card : Config.SocketCardId) {
        if (card != 0) {
            return true;
        }
    }
    return false;
}

std::string TConfigHarvik::SocketPrefix(int socket) const {
    PINSMITH_ASSERT(socket >= 0 && socket < harvik::kSockets);
    return config::RecordText(Config.SocketPrefixName[socket], kRecordTextSize);
}

std::string TConfigHarvik::GetPowerConfigAssignments() const {
    std::vector<std::string> lines = {
        "",
        kQsfRule,
        Padded("# VID Assignments"),
        kQsfRule,
        "set_global_assignment -name USE_PWRMGT_SCL SDM_IO0",
        "set_global_assignment -name USE_PWRMGT_SDA SDM_IO12",
        "set_global_assignment -name VID_OPERATION_MODE \"PMBUS MASTER\"",
        "set_global_assignment -name PWRMGT_BUS_SPEED_MODE \"400 KHZ\"",
        "set_global_assignment -name PWRMGT_SLAVE_DEVICE_TYPE LTM4677",
        "set_global_assignment -name PWRMGT_SLAVE_DEVICE0_ADDRESS 4F",
    };
    for (int device = 1; device <= 7; ++device) {
        lines.push_back(platform::Format(
            "set_global_assignment -name PWRMGT_SLAVE_DEVICE%d_ADDRESS 00", device));
    }
    const std::vector<std::string> rest = {
        "set_global_assignment -name PWRMGT_PAGE_COMMAND_ENABLE ON",
        "set_global_assignment -name PWRMGT_VOLTAGE_OUTPUT_FORMAT \"AUTO DISCOVERY\"",
        "set_global_assignment -name PWRMGT_TRANSLATED_VOLTAGE_VALUE_UNIT VOLTS",
        "",
        kQsfRule,
        Padded("# Configuration scheme/pin"),
        kQsfRule,
        "set_global_assignment -name STRATIXV_CONFIGURATION_SCHEME \"AVST X8\"",
        "set_global_assignment -name USE_CONF_DONE SDM_IO16",
        "set_global_assignment -name DEVICE_INITIALIZATION_CLOCK OSC_CLK_1_125MHZ",
        "",
    };
    lines.insert(lines.end(), rest.begin(), rest.end());
    return Join(lines);
}

std::string TConfigHarvik::GetTerminationAssignments() const {
    std::vector<std::string> lines;
    // The memory reference clock carries the socket's prefix, as the filler
    // names it.
    for (int s = 0; s < harvik::kSockets; ++s) {
        if (Config.SocketCardId[s]) {
            si5340::AddRefClockTermination(lines, SocketPrefix(s) + "REFCLK_p");
        }
    }
    if (Config.Pcie) {
        lines.push_back("set_instance_assignment -name XCVR_S10_REFCLK_TERM_TRISTATE "
                        "TRISTATE_ON -to PCIE_REFCLK_p");
        lines.push_back(
            "set_instance_assignment -name XCVR_IO_PIN_TERMINATION 100_OHMS -to PCIE_TX_p");
        lines.push_back(
            "set_instance_assignment -name XCVR_IO_PIN_TERMINATION 100_OHMS -to PCIE_RX_p");
    }
    for (int p = 0; p < 4; ++p) {
        if (!Config.Qsfp28[p]) {
            continue;
        }
        const std::string port = std::string("QSFP28") + Letter(p);
        lines.push_back("set_instance_assignment -name XCVR_S10_REFCLK_TERM_TRISTATE "
                        "TRISTATE_OFF -to " +
                        port + "_REFCLK_p");
        lines.push_back("set_instance_assignment -name XCVR_IO_PIN_TERMINATION 100_OHMS -to " +
                        port + "_RX_p");
        lines.push_back("set_instance_assignment -name XCVR_IO_PIN_TERMINATION 100_OHMS -to " +
                        port + "_TX_p");
    }
    return si5340::QsfBlock("# Termination Settings", lines);
}

std::string TConfigHarvik::GetSi5340FileAssignments() const {
    if (!IsSi5340A0Used() && !IsSi5340A1Used()) {
        return std::string();
    }
    return si5340::IncludeBlockOf(kControllerFiles);
}

std::string TConfigHarvik::GetQsfAssignments() {
    return GetPowerConfigAssignments() + GetTerminationAssignments() + GetSi5340FileAssignments();
}

std::string TConfigHarvik::GetSi5340AVerilog(int chip) const {
    const ChipInputs in = InputsOf(Config, chip);
    return Join({
        "",
        platform::Format("//  Configure SI5340A%d ", chip),
        platform::Format("HARVIK_SI5340A_CONFIG si5340a%d_controller(", chip),
        "    .iCLK(CLK_50_B2C),",
        "    .iRST_n(CPU_RESET_n),",
        "    .iStart(si5340a_controller_start),",
        platform::Format("    .iXCVR0_REFCLK(`%s),//QSFP28-%c", in.macro[0], in.letter[0]),
        platform::Format("    .iXCVR1_REFCLK(`%s),//QSFP28-%c", in.macro[1], in.letter[1]),
        platform::Format("    .iMEM0_REFCLK(`%s),//DDR4-Socket-%c", in.macro[2], in.letter[2]),
        platform::Format("    .iMEM1_REFCLK(`%s),//DDR4-Socket-%c", in.macro[3], in.letter[3]),
        platform::Format("    .I2C_CLK(SI5340A%d_I2C_SCL),", chip),
        platform::Format("    .I2C_DATA(SI5340A%d_I2C_SDA),", chip),
        platform::Format("    .oPLL_REG_CONFIG_DONE(si5340a%d_config_done)", chip),
        ");",
        "",
        platform::Format("assign SI5340A%d_OE_n = 1'b0;", chip),
        platform::Format("assign SI5340A%d_RST_n = CPU_RESET_n;", chip),
        "",
    });
}

std::string TConfigHarvik::GetVerilogCode() {
    const bool chip0 = IsSi5340A0Used();
    const bool chip1 = IsSi5340A1Used();
    if (!chip0 && !chip1) {
        return std::string();
    }
    std::vector<std::string> lines = {
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
    };
    if (chip0) {
        lines.push_back("wire si5340a0_config_done;");
    }
    if (chip1) {
        lines.push_back("wire si5340a1_config_done;");
    }
    lines.push_back(
        chip0 && chip1 ? "assign si5340a_config_done = si5340a0_config_done & si5340a1_config_done;"
        : chip0        ? "assign si5340a_config_done = si5340a0_config_done;"
                       : "assign si5340a_config_done = si5340a1_config_done;");
    std::string text = Join(lines);
    if (chip0) {
        text += GetSi5340AVerilog(0);
    }
    if (chip1) {
        text += GetSi5340AVerilog(1);
    }
    return text;
}

std::string TConfigHarvik::GetSi5340AVhdl(int chip) const {
    const ChipInputs in = InputsOf(Config, chip);
    return Join({
        "",
        platform::Format("\t----- Configure SI5340A%d -----", chip),
        "",
        platform::Format("\tSI5340A%d_OE_n <= '0';", chip),
        platform::Format("\tSI5340A%d_RST_n <= CPU_RESET_n;", chip),
        "",
        platform::Format("\tsi5340a%d_controller : HARVIK_SI5340A_CONFIG port map(", chip),
        "\t\tiCLK => CLK_50_B2C,",
        "\t\tiRST_n => CPU_RESET_n,",
        "\t\tiStart => si5340a_controller_start,",
        "",
        platform::Format("\t\tiXCVR0_REFCLK => %s, --QSFP28-%c", in.macro[0], in.letter[0]),
        platform::Format("\t\tiXCVR1_REFCLK => %s, --QSFP28-%c", in.macro[1], in.letter[1]),
        platform::Format("\t\tiMEM0_REFCLK => %s, --DDR4-Socket-%c", in.macro[2], in.letter[2]),
        platform::Format("\t\tiMEM1_REFCLK => %s, --DDR4-Socket-%c", in.macro[3], in.letter[3]),
        "",
        platform::Format("\t\tI2C_CLK => SI5340A%d_I2C_SCL,", chip),
        platform::Format("\t\tI2C_DATA => SI5340A%d_I2C_SDA,", chip),
        "",
        platform::Format("\t\toPLL_REG_CONFIG_DONE => si5340a%d_config_done", chip),
        "\t);",
        "",
        "",
    });
}

std::string TConfigHarvik::GetVhdlArchitecture(const std::string& entityName) {
    const bool chip0 = IsSi5340A0Used();
    const bool chip1 = IsSi5340A1Used();
    if (!chip0 && !chip1) {
        return std::string();
    }
    const std::string rule(57, '-');
    std::vector<std::string> lines = {
        "",
        "",
        rule,
        "--  Configure SI5340A ",
        rule,
        "",
        "architecture si5340a_behave of " + entityName + " is",
        "",
        "\tconstant XCVR_REF_644M53125: std_logic_vector (3 downto 0) := \"0000\";",
        "\tconstant XCVR_REF_322M265625: std_logic_vector (3 downto 0) := \"0001\";",
        "\tconstant XCVR_REF_250M: std_logic_vector (3 downto 0) := \"0010\";",
        "\tconstant XCVR_REF_125M: std_logic_vector (3 downto 0) := \"0011\";",
        "\tconstant XCVR_REF_100M: std_logic_vector (3 downto 0) := \"0100\";",
        "",
        "\tconstant MEM_REF_300M: std_logic_vector (3 downto 0) := \"0000\"; --for DDR4 2400",
        "\tconstant MEM_REF_275M: std_logic_vector (3 downto 0) := \"0001\"; --for QDRII+ 550MHz",
        "\tconstant MEM_REF_266M667: std_logic_vector (3 downto 0) := \"0010\"; --for DDR4 2133 "
        "and QDRIV 1066Mhz",
        "\tconstant MEM_REF_233M333: std_logic_vector (3 downto 0) := \"0011\"; --for DDR4 1866",
        "",
        "\tsignal  si5340a_controller_start : std_logic :='0';",
        "\tsignal  si5340a_config_done \t\t: std_logic :='0';",
    };
    if (chip0) {
        lines.push_back("\tsignal  si5340a0_config_done \t\t: std_logic :='0';");
    }
    if (chip1) {
        lines.push_back("\tsignal  si5340a1_config_done \t\t: std_logic :='0';");
    }
    const std::vector<std::string> component = {
        "",
        "\tcomponent HARVIK_SI5340A_CONFIG",
        "\t\tport (",
        "\t\t\tiCLK \t\t\t\t: in\tstd_logic;",
        "\t\t\tiRST_n \t\t\t: in\tstd_logic;",
        "\t\t\tiStart \t\t\t: in\tstd_logic;",
        "",
        "\t\t\tiXCVR0_REFCLK \t: in\t std_logic_vector (3 downto 0); --XCVR_REF_XXX Si5340A  "
        "ouput  port 0",
        "\t\t\tiXCVR1_REFCLK \t: in\t std_logic_vector (3 downto 0); --XCVR_REF_XXX Si5340A  "
        "ouput  port 3",
        "\t\t\tiMEM0_REFCLK \t: in\t std_logic_vector (3 downto 0); --MEM_REF_XXX   Si5340A  "
        "ouput  port 1",
        "\t\t\tiMEM1_REFCLK \t: in\t std_logic_vector (3 downto 0); --MEM_REF_XXX   Si5340A  "
        "ouput  port 2",
        "",
        // An output, as the controller module declares it.
        "\t\t\tI2C_CLK \t\t\t: out\tstd_logic;",
        "\t\t\tI2C_DATA \t\t: inout\tstd_logic;",
        "",
        "\t\t\toPLL_I2C_ID_READ_ERROR \t: out\tstd_logic;",
        "\t\t\toPLL_REG_CONFIG_DONE \t: out\tstd_logic",
        "\t\t);",
        "\tend component;",
        "",
        "\tbegin",
        "",
        "\tsi5340a_controller_start <= not BUTTON(0);",
    };
    lines.insert(lines.end(), component.begin(), component.end());
    lines.push_back(chip0 && chip1
                        ? "\tsi5340a_config_done <= si5340a0_config_done and si5340a1_config_done;"
                    : chip0 ? "\tsi5340a_config_done <= si5340a0_config_done;"
                            : "\tsi5340a_config_done <= si5340a1_config_done;");
    std::string text = Join(lines);
    if (chip0) {
        text += GetSi5340AVhdl(0);
    }
    if (chip1) {
        text += GetSi5340AVhdl(1);
    }
    return text + Join({"end si5340a_behave;", ""});
}

bool TConfigHarvik::ExportIpFiles(const std::string& projectFolder) {
    if (!IsSi5340A0Used() && !IsSi5340A1Used()) {
        return true;
    }
    return si5340::ExportControllerFiles(*this, projectFolder, kControllerFiles, "harvik_");
}

std::vector<config::ExportedFile> TConfigHarvik::ExportSet() {
    return si5340::ControllerFiles(kControllerFiles, "harvik_");
}
