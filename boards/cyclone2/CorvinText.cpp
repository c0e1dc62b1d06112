// Board-specific project text of the Corvin board (board id 3).

#include "boards/BoardDef.h"
#include "boards/BoardText.h"

namespace {
std::string Qsf(const TMainBoard& board) {
    return boardtext::IsLocationUsed(board, "AE24") ? boardtext::kNceoNoEnd : "";
}
} // namespace

extern const BoardText kCorvinText{.qsf = Qsf};
