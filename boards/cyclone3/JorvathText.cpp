// Board-specific project text of the Jorvath board (board id 11).

#include "boards/BoardDef.h"
#include "boards/BoardText.h"

namespace {
std::string Qsf(const TMainBoard& board) {
    return boardtext::IsLocationUsed(board, "P28") ? boardtext::kNceo : "";
}
} // namespace

extern const BoardText kJorvathText{.qsf = Qsf};
