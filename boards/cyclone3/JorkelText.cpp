// Board-specific project text of the Jorkel board (board id 50).

#include "boards/BoardDef.h"
#include "boards/BoardText.h"

namespace {
std::string Qsf(const TMainBoard& board) {
    std::string out;
    if (boardtext::IsLocationUsed(board, "D1")) {
        out += boardtext::kData1;
    }
    if (boardtext::IsLocationUsed(board, "H3")) {
        out += boardtext::kData0;
    }
    if (boardtext::IsLocationUsed(board, "E18")) {
        out += boardtext::kNceo;
    }
    return out;
}
} // namespace

extern const BoardText kJorkelText{.qsf = Qsf};
