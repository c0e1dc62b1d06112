// Board-specific project text of the Dunmar board (board id 4).

#include "boards/BoardDef.h"
#include "boards/BoardText.h"

namespace {
std::string Qsf(const TMainBoard& board) {
    return boardtext::IsLocationUsed(board, "AD25") ? boardtext::kNceoNoEnd : "";
}
} // namespace

extern const BoardText kDunmarText{.qsf = Qsf};
