// Board-specific project text of the Pellix board (board id 18).

#include "boards/BoardDef.h"
#include "boards/stratix5/StratixVText.h"

namespace {
bool ExportIp(const TMainBoard& board, const std::string& projectFolder,
              platform::FileReplacement& files) {
    using namespace stratix5;
    if (board.m_PellixConfig.I32(kPellixSi570) != 0 &&
        !ExportSi570Controller(projectFolder, files)) {
        return false;
    }
    return board.m_PellixConfig.I32(kPellixCdcm61004) == 0 ||
           ExportCdcmConfig(projectFolder, files);
}
} // namespace

extern const BoardText kPellixText{.verilog = ExtraVerilogPellix, .exportIp = ExportIp};
