#include "boards/BoardText.h"

#include "platform/AsciiText.h"
#include "platform/Assert.h"
#include "settings/ConfigBoard.h"

namespace boardtext {

const char* const kBanner = "#============================================================\r\n";

const char* const kNceo =
    "set_global_assignment -name CYCLONEII_RESERVE_NCEO_AFTER_CONFIGURATION \"USE AS REGULAR "
    "IO\"\r\n";
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

std::string SdcUsbBlasterJtag(const TMainBoard&) {
    return "# for enhancing USB BlasterII to be reliable, 25MHz\r\n"
           "create_clock -name {altera_reserved_tck} -period 40 {altera_reserved_tck}\r\n"
           "set_input_delay -clock altera_reserved_tck -clock_fall 3 [get_ports "
           "altera_reserved_tdi]\r\n"
           "set_input_delay -clock altera_reserved_tck -clock_fall 3 [get_ports "
           "altera_reserved_tms]\r\n"
           "set_output_delay -clock altera_reserved_tck 3 [get_ports altera_reserved_tdo]\r\n"
           "\r\n";
}

namespace {
TConfigBoard& ConfigBoardOf(const TMainBoard& board) {
    TConfigBoard* m_pConfigBoard = board.m_pConfigBoard;
    PINSMITH_ASSERT(m_pConfigBoard);
    return *m_pConfigBoard;
}
} // namespace

std::string ConfigBoardQsf(const TMainBoard& board) {
    return ConfigBoardOf(board).GetQsfAssignments();
}

std::string ConfigBoardVerilog(const TMainBoard& board) {
    return ConfigBoardOf(board).GetVerilogCode();
}

std::string ConfigBoardVhdl(const TMainBoard& board, const std::string& entityName) {
    return ConfigBoardOf(board).GetVhdlArchitecture(entityName);
}

bool ConfigBoardExportIp(const TMainBoard& board, const std::string& projectFolder,
                         platform::FileReplacement& files) {
    // The board's own export joins the project's files.
    TConfigBoard& config = ConfigBoardOf(board);
    config.SetExportTarget(&files);
    const bool result = config.ExportIpFiles(projectFolder);
    config.SetExportTarget(nullptr);
    return result;
}

} // namespace boardtext
