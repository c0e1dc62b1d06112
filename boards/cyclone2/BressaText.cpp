// Board-specific project text of the Bressa board (board id 2).

#include "boards/BoardDef.h"
#include "boards/BoardText.h"

namespace {
std::string Qsf(const TMainBoard& board) {
    return boardtext::IsLocationUsed(board, "W20") ? boardtext::kNceoNoEnd : "";
}
} // namespace

extern const BoardText kBressaText{.qsf = Qsf};
