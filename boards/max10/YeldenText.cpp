// Board-specific project text of the Yelden board (board id 26): bank 8
// pins in use free the configuration pins for 1.2-V I/O.

#include "boards/BoardDef.h"
#include "boards/BoardText.h"

namespace {
std::string Qsf(const TMainBoard& board) {
    using boardtext::IsLocationUsed;
    if (!(IsLocationUsed(board, "C7") || IsLocationUsed(board, "D6") ||
          IsLocationUsed(board, "D8") || IsLocationUsed(board, "E10") ||
          IsLocationUsed(board, "E9"))) {
        return std::string();
    }
    std::string out = "\r\n";
    out += boardtext::kBanner;
    out += "# disable config pin so bank8 can use 1.2V \r\n";
    out += boardtext::kBanner;
    out += "set_global_assignment -name AUTO_RESTART_CONFIGURATION ON\r\n";
    out += "set_global_assignment -name ENABLE_CONFIGURATION_PINS OFF\r\n";
    out += "set_global_assignment -name ENABLE_BOOT_SEL_PIN OFF\r\n";
    out += "\r\n";
    return out;
}
} // namespace

extern const BoardText kYeldenText{.qsf = Qsf};
