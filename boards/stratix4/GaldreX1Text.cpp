// Board-specific project text of the Galdre_X1 board (board id 8).

#include "boards/BoardDef.h"
#include "boards/BoardText.h"
#include "boards/stratix4/ExtPll.h"

namespace {
std::string Qsf(const TMainBoard&) {
    return boardtext::IoStandardAssignment("2.5 V") +
           "set_location_assignment PIN_AF25 -to termination_blk0~_rup_pad\r\n"
           "set_location_assignment PIN_AG25 -to termination_blk0~_rdn_pad\r\n";
}

bool ExportIp(const TMainBoard&, const std::string& projectFolder,
              platform::FileReplacement& files) {
    return extpll::ExportController(projectFolder, files);
}
} // namespace

extern const BoardText kGaldreX1Text{.qsf = Qsf,
                                     .verilog = GetGaldreX1ExtPllVerilog,
                                     .exportIp = ExportIp,
                                     .exportSet = extpll::ExportSet};
