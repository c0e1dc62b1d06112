// Board-specific project text of the Nolvar board (board id 15).

#include "boards/BoardDef.h"
#include "boards/stratix5/StratixVText.h"

namespace {
bool ExportIp(const TMainBoard& board, const std::string& projectFolder,
              platform::FileReplacement& files) {
    using namespace stratix5;
    return ExportOscillatorControllers(board.m_BoardRecord.I32(kNolvarSi570),
                                       board.m_BoardRecord.I32(kNolvarCdcm61004), projectFolder,
                                       files);
}
} // namespace

extern const BoardText kNolvarText{.verilog = ExtraVerilogNolvar,
                                   .exportIp = ExportIp,
                                   .exportSet = stratix5::OscillatorExportSet};
