// Board-specific project text of the Elvory board (board id 5).

#include "boards/BoardDef.h"
#include "boards/BoardText.h"

namespace {
std::string Qsf(const TMainBoard& board) {
    std::string out = boardtext::IoStandardAssignment("3.3-V LVTTL");
    if (boardtext::IsLocationUsed(board, "P28")) {
        out += boardtext::kNceo;
    }
    return out;
}
} // namespace

extern const BoardText kElvoryText{.qsf = Qsf};
