// Board-specific project text of the Istrel board (board id 10).

#include "boards/BoardDef.h"
#include "boards/BoardText.h"

namespace {
std::string Qsf(const TMainBoard& board) {
    std::string out;
    if (boardtext::IsLocationUsed(board, "F16")) {
        out += boardtext::kNceo;
    }
    if (boardtext::IsLocationUsed(board, "C1")) {
        out += boardtext::kFlashNce;
        out += boardtext::kData0;
        out += boardtext::kData1;
        out += boardtext::kDclk;
    }
    return out;
}
} // namespace

extern const BoardText kIstrelText{.qsf = Qsf};
