#include "generator/BoardText.h"

#include "generator/BoardSeams.h"
#include "platform/AsciiText.h"
#include "platform/Assert.h"
#include "platform/Ui.h"
#include "settings/ConfigBoard.h"

#include <algorithm>

namespace {

const char* const kBanner = "#============================================================\r\n";

TConfigBoard& ConfigBoardOf(const TMainBoard& board) {
    TConfigBoard* m_pConfigBoard = board.m_pConfigBoard;
    PINSMITH_ASSERT(m_pConfigBoard);
    return *m_pConfigBoard;
}

// ---------------------------------------------------------------------------
// .qsf

const char* const kNceo =
    "set_global_assignment -name CYCLONEII_RESERVE_NCEO_AFTER_CONFIGURATION \"USE AS REGULAR "
    "IO\"\r\n";
// The same line without its line end: the text that follows it in the file
// always starts with a line end.
const char* const kNceoNoEnd =
    "set_global_assignment -name CYCLONEII_RESERVE_NCEO_AFTER_CONFIGURATION \"USE AS REGULAR IO\"";
const char* const kData0 =
    "set_global_assignment -name RESERVE_DATA0_AFTER_CONFIGURATION \"USE AS REGULAR IO\"\r\n";
const char* const kData1 =
    "set_global_assignment -name RESERVE_DATA1_AFTER_CONFIGURATION \"USE AS REGULAR IO\"\r\n";
const char* const kFlashNce =
    "set_global_assignment -name RESERVE_FLASH_NCE_AFTER_CONFIGURATION \"USE AS REGULAR IO\"\r\n";
const char* const kDclk =
    "set_global_assignment -name RESERVE_DCLK_AFTER_CONFIGURATION \"USE AS REGULAR IO\"\r\n";

std::string IoStandardAssignment(const char* standard) {
    return std::string("set_global_assignment -name STRATIX_DEVICE_IO_STANDARD \"") + standard +
           "\"\r\n";
}

const char* const kToggleRate =
    "set_instance_assignment -name IO_MAXIMUM_TOGGLE_RATE \"0 MHz\" -to ";

void AddToggleRun(std::string& out, const char* target, int count) {
    for (int i = 0; i < count; ++i) {
        out += kToggleRate;
        out += platform::Format(target, i);
        out += "\r\n";
    }
}

void AddToggle(std::string& out, const std::string& target) {
    out += kToggleRate;
    out += target;
    out += "\r\n";
}

// ---------------------------------------------------------------------------
// External PLL block of boards 8 and 12

const char* const kPllChoiceNames[13] = {"Unchange", "Disable", "62.5",   "75",    "100",
                                         "125",      "150",     "156.25", "187.5", "200",
                                         "250",      "312.5",   "625"};

// Codes above 12 never come from a form; a hand-edited settings file may
// still hold one.
const char* PllChoiceName(std::uint8_t code) {
    return code < 13 ? kPllChoiceNames[code] : "Unknown";
}

struct ExtPllVariant {
    const char* reset;      // right-hand side of "assign rstn"
    const char* oscillator; // 50 MHz clock port
    const char* device2;    // comment of PLL output 2
    const char* device3;    // comment of PLL output 3
    const char* sclk;       // 2-wire interface ports
    const char* sdat;
};

template <std::size_t N>
std::string ExtPllVerilog(const RecordCopy<N>& record, std::size_t firstCode,
                          const ExtPllVariant& v) {
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

// ---------------------------------------------------------------------------
// .sdc

const char* const kSdcTv = "create_clock -period \"27 MHz\"  -name tv_27m [get_ports TD_CLK27]\r\n";
const char* const kSdcDram =
    "create_clock -period \"100 MHz\" -name clk_dram [get_ports DRAM_CLK]\r\n";
const char* const kSdcAudio =
    "# AUDIO : 48kHz 384fs 32-bit data\r\n"
    "create_clock -period \"18.432 MHz\" -name clk_audxck [get_ports AUD_XCK]\r\n"
    "create_clock -period \"1.536 MHz\" -name clk_audbck [get_ports AUD_BCLK]\r\n";
const char* const kSdcVga =
    "# VGA : 640x480@60Hz\r\n"
    "#create_clock -period \"25.18 MHz\" -name clk_vga [get_ports VGA_CLK]\r\n"
    "# VGA : 800x600@60Hz\r\n"
    "#create_clock -period \"40.0 MHz\" -name clk_vga [get_ports VGA_CLK]\r\n"
    "# VGA : 1024x768@60Hz\r\n"
    "#create_clock -period \"65.0 MHz\" -name clk_vga [get_ports VGA_CLK]\r\n"
    "# VGA : 1280x1024@60Hz\r\n"
    "create_clock -period \"108.0 MHz\" -name clk_vga [get_ports VGA_CLK]\r\n";

// The video, SDRAM, audio and VGA options of the boards with board clocks.
struct MediaOptions {
    bool videoIn = false;
    bool sdram = false;
    bool audio = false;
    bool vga = false;
};

MediaOptions FalmorOptions(const TMainBoard& board) {
    const auto* source = dynamic_cast<const TConfigRecordSource*>(&ConfigBoardOf(board));
    PINSMITH_ASSERT(source);
    const std::span<const std::uint8_t> config = source->ConfigRecord();
    PINSMITH_ASSERT(config.size() == record::kFalmorConfigSize);
    MediaOptions o;
    o.videoIn = config[record::kFalmorVideoIn] != 0;
    o.sdram = config[record::kFalmorSdram] != 0;
    o.audio = config[record::kFalmorAudio] != 0;
    o.vga = config[record::kFalmorVga] != 0;
    return o;
}

MediaOptions SollenOptions(const TMainBoard& board) {
    const auto& config = board.m_SollenConfig;
    MediaOptions o;
    o.videoIn = config.U8(record::kSollenVideoIn) != 0;
    o.sdram = config.U8(record::kSollenSdram) != 0;
    o.audio = config.U8(record::kSollenAudio) != 0;
    o.vga = config.U8(record::kSollenVga) != 0;
    return o;
}

} // namespace

// ---------------------------------------------------------------------------

std::string GetBoardName(BoardId id) {
    // clang-format off
    switch (id) {
    case MAINBOARD_ALVEK: return "Alvek FPGA Board";
    case MAINBOARD_BRESSA: return "Bressa FPGA Board";
    case MAINBOARD_CORVIN: return "Corvin FPGA Board";
    case MAINBOARD_DUNMAR: return "Dunmar FPGA Board";
    case MAINBOARD_ELVORY: return "Elvory FPGA Board";
    case MAINBOARD_FENNIK: return "Fennik FPGA Board";
    case MAINBOARD_GALDRE_X2: return "Galdre_X2 FPGA Board";
    case MAINBOARD_GALDRE_X1: return "Galdre FPGA Board";
    case MAINBOARD_HOLLIN: return "Hollin FPGA Board";
    case MAINBOARD_ISTREL: return "Istrel FPGA Board";
    case MAINBOARD_JORVATH: return "Jorvath FPGA Board";
    case MAINBOARD_KELMIS: return "Kelmis FPGA Board";
    case MAINBOARD_LORSK: return "Lorsk FPGA Board";
    case MAINBOARD_MARWEN: return "Marwen Board";
    case MAINBOARD_NOLVAR: return "Nolvar";
    case MAINBOARD_OMBREL: return "Ombrel";
    case MAINBOARD_OMBREL2: return "Ombrel II";
    case MAINBOARD_PELLIX: return "Pellix";
    case MAINBOARD_QUINDLE: return "Quindle";
    case MAINBOARD_RASMER: return "Rasmer";
    case MAINBOARD_SOLLEN: return "Sollen Board";
    case MAINBOARD_TAVRIN: return "Tavrin Board";
    case MAINBOARD_ULVANE: return "Ulvane Board";
    case MAINBOARD_VESSOR: return "Vessor Board";
    case MAINBOARD_WENDAL: return "Wendal Board";
    case MAINBOARD_YELDEN: return "Yelden MAX10 Board";
    case MAINBOARD_ZARVIK: return "Zarvik";
    case MAINBOARD_ZARVIK_DDR4: return "Zarvik-DDR4";
    case MAINBOARD_BROVAN: return "Brovan Kit";
    case MAINBOARD_CALVET: return "Calvet FPGA Board";
    case MAINBOARD_DRAVEL: return "Dravel Kit";
    case MAINBOARD_ESPERN: return "Espern";
    case MAINBOARD_FALMOR: return "Falmor";
    case MAINBOARD_GRISTEL: return "Gristel";
    case MAINBOARD_HARVIK: return "Harvik";
    case MAINBOARD_ILMARCH: return "Ilmarch";
    case MAINBOARD_JORKEL: return "Jorkel";
    case MAINBOARD_KELVANE: return "Kelvane";
    case MAINBOARD_LUMBREL: return "Lumbrel";
    default:
        PINSMITH_FAIL("0");
    }
    // clang-format on
}

bool IsLocationUsed(const TMainBoard& board, const std::string& location) {
    for (int c = 0; c < board.GetConnectorCount(); ++c) {
        const TConnector* connector = board.GetConnector(c);
        for (int i = 0; i < connector->GetPinCount(); ++i) {
            const TPin* pin = connector->GetPin(i);
            if (pin && pin->IsActive() &&
                platform::SameIgnoringAsciiCase(pin->GetLocation(), location)) {
                return true;
            }
        }
    }
    return false;
}

std::string GetMarwenQsfAssignments(const TMainBoard& board) {
    PINSMITH_ASSERT(board.GetBoardIdByte() == MAINBOARD_MARWEN);
    const auto& config = board.m_MarwenConfig;
    std::string out;
    if (IsLocationUsed(board, "AE7")) {
        out += kNceo;
    }
    if (config.U8(record::kMarwenFlash)) {
        out += "set_instance_assignment -name VIRTUAL_PIN ON -to FS_ADDR[0]\r\n";
    }
    if (config.U8(record::kMarwenHsmcCard) != CardNumber(CARD_HSMC_LVDS_DEFAULT)) {
        return out;
    }
    out += kBanner;
    out += "# When Marwen HSMC is configued as LVDS, configure the following pins to avoid "
           "compile error.\r\n";
    out += kBanner;
    if (config.U8(record::kMarwenKey)) {
        AddToggleRun(out, "KEY[%d]", 18);
    }
    if (config.U8(record::kMarwenSwitch)) {
        AddToggleRun(out, "SW[%d]", 18);
    }
    if (config.U8(record::kMarwenLed)) {
        AddToggleRun(out, " LEDG[%d]", 9);
        AddToggleRun(out, " LEDR[%d]", 18);
    }
    if (config.U8(record::kMarwenSeg7)) {
        AddToggle(out, "HEX2[3]");
    }
    if (config.U8(record::kMarwenLcd)) {
        AddToggle(out, "LCD_ON");
    }
    if (config.U8(record::kMarwenAccelerometer)) {
        AddToggle(out, "G_SENSOR_INT1");
    }
    if (config.U8(record::kMarwenPcieHardIp) || config.U8(record::kMarwenPcieSoftIp)) {
        AddToggle(out, "PCIE_WAKE_N");
    }
    const std::string prefix = config.Text(record::kMarwenHsmcPrefix, record::kPrefixLength);
    const std::string hsmc = prefix.empty() ? std::string("HSMC_") : prefix;
    AddToggle(out, hsmc + "D[1]");
    AddToggle(out, hsmc + "D[3]");
    AddToggle(out, "FAN_CTRL");
    return out;
}

std::string GetQsfBoardAssignments(const TMainBoard& board) {
    std::string out;
    switch (board.GetBoardIdByte()) {
    case MAINBOARD_ALVEK:
        if (IsLocationUsed(board, "K22")) {
            out += kNceo;
        }
        break;
    case MAINBOARD_BRESSA:
        if (IsLocationUsed(board, "W20")) {
            out += kNceoNoEnd;
        }
        break;
    case MAINBOARD_CORVIN:
        if (IsLocationUsed(board, "AE24")) {
            out += kNceoNoEnd;
        }
        break;
    case MAINBOARD_DUNMAR:
        if (IsLocationUsed(board, "AD25")) {
            out += kNceoNoEnd;
        }
        break;
    case MAINBOARD_ELVORY:
        out += IoStandardAssignment("3.3-V LVTTL");
        if (IsLocationUsed(board, "P28")) {
            out += kNceo;
        }
        break;
    case MAINBOARD_GALDRE_X1:
        out += IoStandardAssignment("2.5 V");
        out += "set_location_assignment PIN_AF25 -to termination_blk0~_rup_pad\r\n";
        out += "set_location_assignment PIN_AG25 -to termination_blk0~_rdn_pad\r\n";
        break;
    case MAINBOARD_HOLLIN:
        out += IoStandardAssignment("1.5 V");
        break;
    case MAINBOARD_ISTREL:
        if (IsLocationUsed(board, "F16")) {
            out += kNceo;
        }
        if (IsLocationUsed(board, "C1")) {
            out += kFlashNce;
            out += kData0;
            out += kData1;
            out += kDclk;
        }
        break;
    case MAINBOARD_JORVATH:
        if (IsLocationUsed(board, "P28")) {
            out += kNceo;
        }
        break;
    case MAINBOARD_KELMIS:
        out += IoStandardAssignment("2.5 V");
        break;
    case MAINBOARD_MARWEN:
        out += GetMarwenQsfAssignments(board);
        break;
    case MAINBOARD_QUINDLE:
        if (IsLocationUsed(board, "P9")) {
            out += "\r\n";
            out += kBanner;
            out += "# Transceiver \r\n";
            out += kBanner;
            out += "set_instance_assignment -name XCVR_REFCLK_PIN_TERMINATION "
                   "DC_COUPLING_INTERNAL_100_OHMS -to HSMC_REF_CLK_p\r\n";
            out += "\r\n";
        }
        break;
    case MAINBOARD_YELDEN:
        if (IsLocationUsed(board, "C7") || IsLocationUsed(board, "D6") ||
            IsLocationUsed(board, "D8") || IsLocationUsed(board, "E10") ||
            IsLocationUsed(board, "E9")) {
            out += "\r\n";
            out += kBanner;
            out += "# disable config pin so bank8 can use 1.2V \r\n";
            out += kBanner;
            out += "set_global_assignment -name AUTO_RESTART_CONFIGURATION ON\r\n";
            out += "set_global_assignment -name ENABLE_CONFIGURATION_PINS OFF\r\n";
            out += "set_global_assignment -name ENABLE_BOOT_SEL_PIN OFF\r\n";
            out += "\r\n";
        }
        break;
    case MAINBOARD_JORKEL:
        if (IsLocationUsed(board, "D1")) {
            out += kData1;
        }
        if (IsLocationUsed(board, "H3")) {
            out += kData0;
        }
        if (IsLocationUsed(board, "E18")) {
            out += kNceo;
        }
        break;
    case MAINBOARD_KELVANE:
        out += "set_global_assignment -name MIN_CORE_JUNCTION_TEMP 0\r\n";
        out += "set_global_assignment -name MAX_CORE_JUNCTION_TEMP 85\r\n";
        break;
    case MAINBOARD_ZARVIK:
    case MAINBOARD_ZARVIK_DDR4:
    case MAINBOARD_CALVET:
    case MAINBOARD_ESPERN:
    case MAINBOARD_HARVIK:
        out += ConfigBoardOf(board).GetQsfAssignments();
        break;
    case MAINBOARD_FENNIK:
    case MAINBOARD_GALDRE_X2:
    case MAINBOARD_LORSK:
    case MAINBOARD_NOLVAR:
    case MAINBOARD_OMBREL:
    case MAINBOARD_PELLIX:
    case MAINBOARD_RASMER:
    case MAINBOARD_SOLLEN:
    case MAINBOARD_TAVRIN:
    case MAINBOARD_ULVANE:
    case MAINBOARD_VESSOR:
    case MAINBOARD_WENDAL:
    case MAINBOARD_BROVAN:
    case MAINBOARD_DRAVEL:
    case MAINBOARD_FALMOR:
    case MAINBOARD_GRISTEL:
    case MAINBOARD_ILMARCH:
        break;
    default: // board 17 and ids without a board: no form that generates carries them
        PINSMITH_FAIL("0");
    }
    return out;
}

std::string GetGaldreX1ExtPllVerilog(const TMainBoard& board) {
    PINSMITH_ASSERT(board.GetBoardIdByte() == MAINBOARD_GALDRE_X1);
    if (board.m_Galdre_X1Config.U8(record::kGaldreX1ExtPll) == 0) {
        return std::string();
    }
    return ExtPllVerilog(board.m_Galdre_X1Config, record::kGaldreX1PllOut1,
                         {"CPU_RESET_n", "OSC_50_BANK2", "HSMB_REFCLK", "PLL_CLKIN/SATA_REFCLK",
                          "MAX_I2C_SCLK", "MAX_I2C_SDAT"});
}

std::string GetKelmisExtPllVerilog(const TMainBoard& board) {
    PINSMITH_ASSERT(board.GetBoardIdByte() == MAINBOARD_KELMIS);
    if (board.m_KelmisConfig.U8(record::kKelmisExtPll) == 0) {
        return std::string();
    }
    return ExtPllVerilog(
        board.m_KelmisConfig, record::kKelmisPllOut1,
        {"1'b1", "OSC_50_BANK1", "HSME_REFCLK", "PGM_GXB_CLK", "MAX2_I2C_SCL", "MAX2_I2C_SDA"});
}

std::string GetMarwenFanVerilog(const TMainBoard& board) {
    PINSMITH_ASSERT(board.GetBoardIdByte() == MAINBOARD_MARWEN);
    return "\r\n\t//////////// FAN Control //////////\r\n"
           "assign FAN_CTRL = 1'bz; // turn on FAN\r\n\r\n";
}

std::string GetVerilogBoardCode(const TMainBoard& board) {
    switch (board.GetBoardIdByte()) {
    case MAINBOARD_GALDRE_X1:
        return GetGaldreX1ExtPllVerilog(board);
    case MAINBOARD_KELMIS:
        return GetKelmisExtPllVerilog(board);
    case MAINBOARD_MARWEN:
        return GetMarwenFanVerilog(board);
    case MAINBOARD_NOLVAR:
        return ExtraVerilogNolvar(board);
    case MAINBOARD_OMBREL:
        return ExtraVerilogOmbrel(board);
    case MAINBOARD_PELLIX:
        return ExtraVerilogPellix(board);
    case MAINBOARD_ZARVIK:
    case MAINBOARD_ZARVIK_DDR4:
    case MAINBOARD_CALVET:
    case MAINBOARD_ESPERN:
    case MAINBOARD_HARVIK:
        return ConfigBoardOf(board).GetVerilogCode();
    case MAINBOARD_OMBREL2:
        PINSMITH_FAIL("0");
    default:
        return std::string();
    }
}

std::string GetVhdlArchitecture(const TMainBoard& board, const std::string& entityName) {
    if (board.GetBoardIdByte() == MAINBOARD_HARVIK) {
        return ConfigBoardOf(board).GetVhdlArchitecture(entityName);
    }
    return std::string();
}

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

std::string GetSdcBoardClocks(const TMainBoard& board) {
    MediaOptions o;
    bool dram = true; // board 22 has no SDRAM clock
    switch (board.GetBoardIdByte()) {
    case MAINBOARD_SOLLEN:
        o = SollenOptions(board);
        break;
    case MAINBOARD_FALMOR:
        o = FalmorOptions(board);
        break;
    case MAINBOARD_TAVRIN:
        o.videoIn = board.m_TavrinConfig.U8(record::kTavrinVideoIn) != 0;
        o.audio = board.m_TavrinConfig.U8(record::kTavrinAudio) != 0;
        o.vga = board.m_TavrinConfig.U8(record::kTavrinVga) != 0;
        dram = false;
        break;
    case MAINBOARD_WENDAL:
        o.vga = board.m_WendalConfig.U8(record::kWendalVga) != 0;
        break;
    default:
        return std::string();
    }
    std::string out;
    if (o.videoIn) {
        out += kSdcTv;
    }
    if (dram && o.sdram) {
        out += kSdcDram;
    }
    if (o.audio) {
        out += kSdcAudio;
    }
    if (o.vga) {
        out += kSdcVga;
    }
    if (!out.empty()) {
        out += "\r\n";
    }
    return out;
}

std::string GetSdcJtagConstraints(const TMainBoard& board) {
    const int id = board.GetBoardId();
    if (!((id >= 21 && id <= 24) || (id >= 34 && id <= 36))) {
        return std::string();
    }
    return "# for enhancing USB BlasterII to be reliable, 25MHz\r\n"
           "create_clock -name {altera_reserved_tck} -period 40 {altera_reserved_tck}\r\n"
           "set_input_delay -clock altera_reserved_tck -clock_fall 3 [get_ports "
           "altera_reserved_tdi]\r\n"
           "set_input_delay -clock altera_reserved_tck -clock_fall 3 [get_ports "
           "altera_reserved_tms]\r\n"
           "set_output_delay -clock altera_reserved_tck 3 [get_ports altera_reserved_tdo]\r\n"
           "\r\n";
}

std::string GetSdcInputDelays(const TMainBoard& board) {
    if (board.GetBoardIdByte() != MAINBOARD_SOLLEN) {
        return std::string();
    }
    const MediaOptions o = SollenOptions(board);
    std::string out;
    if (o.sdram || o.videoIn) {
        out += "# Board Delay (Data) + Propagation Delay - Board Delay (Clock)\r\n";
    }
    if (o.sdram) {
        out += "set_input_delay -max -clock clk_dram -0.048 [get_ports DRAM_DQ*]\r\n"
               "set_input_delay -min -clock clk_dram -0.057 [get_ports DRAM_DQ*]\r\n"
               "\r\n";
    }
    if (o.videoIn) {
        out += "set_input_delay -max -clock tv_27m 3.508 -clock_fall [get_ports TD_DATA*]\r\n"
               "set_input_delay -min -clock tv_27m -2.539 -clock_fall [get_ports TD_DATA*]\r\n"
               "set_input_delay -max -clock tv_27m 3.654 -clock_fall [get_ports TD_HS]\r\n"
               "set_input_delay -min -clock tv_27m -2.454 -clock_fall [get_ports TD_HS]\r\n"
               "set_input_delay -max -clock tv_27m 3.652 -clock_fall [get_ports TD_VS]\r\n"
               "set_input_delay -min -clock tv_27m -2.456 -clock_fall [get_ports TD_VS]\r\n"
               "\r\n";
    }
    return out;
}

std::string GetSdcOutputDelays(const TMainBoard& board) {
    if (board.GetBoardIdByte() != MAINBOARD_SOLLEN) {
        return std::string();
    }
    const MediaOptions o = SollenOptions(board);
    std::string out;
    if (o.sdram || o.vga) {
        out += "# max : Board Delay (Data) - Board Delay (Clock) + tsu (External Device)\r\n"
               "# min : Board Delay (Data) - Board Delay (Clock) - th (External Device)\r\n";
    }
    if (o.sdram) {
        out += "set_output_delay -max -clock clk_dram 1.452  [get_ports DRAM_DQ*]\r\n"
               "set_output_delay -min -clock clk_dram -0.857 [get_ports DRAM_DQ*]\r\n"
               "set_output_delay -max -clock clk_dram 1.531 [get_ports DRAM_ADDR*]\r\n"
               "set_output_delay -min -clock clk_dram -0.805 [get_ports DRAM_ADDR*]\r\n"
               "set_output_delay -max -clock clk_dram 1.533  [get_ports DRAM_*DQM]\r\n"
               "set_output_delay -min -clock clk_dram -0.805 [get_ports DRAM_*DQM]\r\n"
               "set_output_delay -max -clock clk_dram 1.510  [get_ports DRAM_BA*]\r\n"
               "set_output_delay -min -clock clk_dram -0.800 [get_ports DRAM_BA*]\r\n"
               "set_output_delay -max -clock clk_dram 1.520  [get_ports DRAM_RAS_N]\r\n"
               "set_output_delay -min -clock clk_dram -0.780 [get_ports DRAM_RAS_N]\r\n"
               "set_output_delay -max -clock clk_dram 1.5000  [get_ports DRAM_CAS_N]\r\n"
               "set_output_delay -min -clock clk_dram -0.800 [get_ports DRAM_CAS_N]\r\n"
               "set_output_delay -max -clock clk_dram 1.545 [get_ports DRAM_WE_N]\r\n"
               "set_output_delay -min -clock clk_dram -0.755 [get_ports DRAM_WE_N]\r\n"
               "set_output_delay -max -clock clk_dram 1.496  [get_ports DRAM_CKE]\r\n"
               "set_output_delay -min -clock clk_dram -0.804 [get_ports DRAM_CKE]\r\n"
               "set_output_delay -max -clock clk_dram 1.508  [get_ports DRAM_CS_N]\r\n"
               "set_output_delay -min -clock clk_dram -0.792 [get_ports DRAM_CS_N]\r\n"
               "\r\n";
    }
    if (o.vga) {
        out += "set_output_delay -max -clock clk_vga 0.220 [get_ports VGA_R*]\r\n"
               "set_output_delay -min -clock clk_vga -1.506 [get_ports VGA_R*]\r\n"
               "set_output_delay -max -clock clk_vga 0.212 [get_ports VGA_G*]\r\n"
               "set_output_delay -min -clock clk_vga -1.519 [get_ports VGA_G*]\r\n"
               "set_output_delay -max -clock clk_vga 0.264 [get_ports VGA_B*]\r\n"
               "set_output_delay -min -clock clk_vga -1.519 [get_ports VGA_B*]\r\n"
               "set_output_delay -max -clock clk_vga 0.215 [get_ports VGA_BLANK]\r\n"
               "set_output_delay -min -clock clk_vga -1.485 [get_ports VGA_BLANK]\r\n"
               "\r\n";
    }
    return out;
}
