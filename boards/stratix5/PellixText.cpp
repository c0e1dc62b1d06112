// Board-specific project text of the Pellix board (board id 18).

#include "boards/BoardDef.h"
#include "boards/stratix5/StratixVText.h"

namespace {
bool ExportIp(const TMainBoard& board, const std::string& projectFolder,
              platform::FileReplacement& files) {
    using namespace stratix5;
    return ExportOscillatorControllers(board.m_BoardRecord.I32(kPellixSi570),
                                       board.m_BoardRecord.I32(kPellixCdcm61004), projectFolder,
                                       files);
}
} // namespace

extern const BoardText kPellixText{.verilog = ExtraVerilogPellix,
                                   .exportIp = ExportIp,
                                   .exportSet = stratix5::OscillatorExportSet};
