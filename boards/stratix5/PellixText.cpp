// Board-specific project text of the Pellix board (board id 18).

#include "boards/BoardDef.h"
#include "boards/stratix5/StratixVText.h"

namespace {
bool ExportIp(const TMainBoard& board, const std::string& projectFolder) {
    using namespace stratix5;
    if (board.m_PellixConfig.I32(kPellixSi570) != 0 && !ExportSi570Controller(projectFolder)) {
        return false;
    }
    return board.m_PellixConfig.I32(kPellixCdcm61004) == 0 || ExportCdcmConfig(projectFolder);
}
} // namespace

extern const BoardText kPellixText{.verilog = ExtraVerilogPellix, .exportIp = ExportIp};
