// Board-specific project text of the Alvek board (board id 1).

#include "boards/BoardDef.h"
#include "boards/BoardText.h"

namespace {
std::string Qsf(const TMainBoard& board) {
    return boardtext::IsLocationUsed(board, "K22") ? boardtext::kNceo : "";
}
} // namespace

extern const BoardText kAlvekText{.qsf = Qsf};
