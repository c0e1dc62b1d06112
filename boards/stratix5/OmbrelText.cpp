// Board-specific project text of the Ombrel board (board id 16).

#include "boards/BoardDef.h"
#include "boards/stratix4/ExtPll.h"
#include "boards/stratix5/StratixVText.h"

namespace {
// The external-PLL controller, unless neither synthesizer is used, then the
// Si570 controller when the Si570 is used.
bool ExportIp(const TMainBoard& board, const std::string& projectFolder,
              platform::FileReplacement& files) {
    using namespace stratix5;
    const auto& config = board.m_BoardRecord;
    if (!(config.I32(kOmbrelCdcm61004) == 1 && config.I32(kOmbrelCdcm61001) == 1) &&
        !extpll::ExportController(projectFolder, files)) {
        return false;
    }
    return config.I32(kOmbrelSi570) == 0 || ExportSi570Controller(projectFolder, files);
}
} // namespace

extern const BoardText kOmbrelText{
    .verilog = ExtraVerilogOmbrel, .exportIp = ExportIp, .exportSet = stratix5::OmbrelExportSet};
