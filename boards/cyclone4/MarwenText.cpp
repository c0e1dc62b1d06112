#include "boards/cyclone4/MarwenText.h"

#include "boards/BoardDef.h"
#include "boards/BoardText.h"
#include "boards/cyclone4/MarwenId.h"
#include "model/Sizes.h"
#include "platform/Ui.h"

namespace {

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

} // namespace

std::string GetMarwenQsfAssignments(const TMainBoard& board) {
    using namespace marwen;
    PINSMITH_ASSERT(board.GetBoardIdByte() == MAINBOARD_MARWEN);
    const auto& config = board.m_BoardRecord;
    std::string out;
    if (boardtext::IsLocationUsed(board, "AE7")) {
        out += boardtext::kNceo;
    }
    if (config.U8(kFlash)) {
        out += "set_instance_assignment -name VIRTUAL_PIN ON -to FS_ADDR[0]\r\n";
    }
    if (config.U8(kHsmcCard) != CardNumber(CARD_HSMC_LVDS_DEFAULT)) {
        return out;
    }
    out += boardtext::kBanner;
    out += "# When Marwen HSMC is configued as LVDS, configure the following pins to avoid "
           "compile error.\r\n";
    out += boardtext::kBanner;
    if (config.U8(kKey)) {
        AddToggleRun(out, "KEY[%d]", 18);
    }
    if (config.U8(kSwitch)) {
        AddToggleRun(out, "SW[%d]", 18);
    }
    if (config.U8(kLed)) {
        AddToggleRun(out, " LEDG[%d]", 9);
        AddToggleRun(out, " LEDR[%d]", 18);
    }
    if (config.U8(kSeg7)) {
        AddToggle(out, "HEX2[3]");
    }
    if (config.U8(kLcd)) {
        AddToggle(out, "LCD_ON");
    }
    if (config.U8(kAccelerometer)) {
        AddToggle(out, "G_SENSOR_INT1");
    }
    if (config.U8(kPcieHardIp) || config.U8(kPcieSoftIp)) {
        AddToggle(out, "PCIE_WAKE_N");
    }
    const std::string prefix = config.Text(kHsmcPrefix, kRecordTextSize);
    const std::string hsmc = prefix.empty() ? std::string("HSMC_") : prefix;
    AddToggle(out, hsmc + "D[1]");
    AddToggle(out, hsmc + "D[3]");
    AddToggle(out, "FAN_CTRL");
    return out;
}

std::string GetMarwenFanVerilog(const TMainBoard& board) {
    PINSMITH_ASSERT(board.GetBoardIdByte() == MAINBOARD_MARWEN);
    return "\r\n\t//////////// FAN Control //////////\r\n"
           "assign FAN_CTRL = 1'bz; // turn on FAN\r\n\r\n";
}

extern const BoardText kMarwenText{.qsf = GetMarwenQsfAssignments, .verilog = GetMarwenFanVerilog};
