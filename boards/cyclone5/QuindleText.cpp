// Board-specific project text of the Quindle board (board id 19): the
// transceiver reference clock's termination when the pin is used.

#include "boards/BoardDef.h"
#include "boards/BoardText.h"

namespace {
std::string Qsf(const TMainBoard& board) {
    if (!boardtext::IsLocationUsed(board, "P9")) {
        return std::string();
    }
    std::string out = "\r\n";
    out += boardtext::kBanner;
    out += "# Transceiver \r\n";
    out += boardtext::kBanner;
    out += "set_instance_assignment -name XCVR_REFCLK_PIN_TERMINATION "
           "DC_COUPLING_INTERNAL_100_OHMS -to HSMC_REF_CLK_p\r\n";
    out += "\r\n";
    return out;
}
} // namespace

extern const BoardText kQuindleText{.qsf = Qsf};
