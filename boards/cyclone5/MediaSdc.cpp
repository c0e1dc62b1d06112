#include "boards/cyclone5/MediaSdc.h"

namespace mediasdc {
namespace {

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

} // namespace

std::string BoardClocks(const MediaOptions& o, bool withDram) {
    std::string out;
    if (o.videoIn) {
        out += kSdcTv;
    }
    if (withDram && o.sdram) {
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

std::string SollenInputDelays(const MediaOptions& o) {
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

std::string SollenOutputDelays(const MediaOptions& o) {
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
               "set_output_delay -max -clock clk_vga 0.215 [get_ports VGA_BLANK_N]\r\n"
               "set_output_delay -min -clock clk_vga -1.485 [get_ports VGA_BLANK_N]\r\n"
               "\r\n";
    }
    return out;
}

} // namespace mediasdc
