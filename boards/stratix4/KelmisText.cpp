// Board-specific project text of the Kelmis board (board id 12).

#include "boards/BoardDef.h"
#include "boards/BoardText.h"
#include "boards/stratix4/ExtPll.h"

namespace {
std::string Qsf(const TMainBoard&) {
    return boardtext::IoStandardAssignment("2.5 V");
}

bool ExportIp(const TMainBoard&, const std::string& projectFolder,
              platform::FileReplacement& files) {
    return extpll::ExportController(projectFolder, files);
}
} // namespace

extern const BoardText kKelmisText{.qsf = Qsf,
                                   .verilog = GetKelmisExtPllVerilog,
                                   .exportIp = ExportIp,
                                   .exportSet = extpll::ExportSet};
