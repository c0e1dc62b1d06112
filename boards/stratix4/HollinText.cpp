// Board-specific project text of the Hollin board (board id 9).

#include "boards/BoardDef.h"
#include "boards/BoardText.h"

namespace {
std::string Qsf(const TMainBoard&) {
    return boardtext::IoStandardAssignment("1.5 V");
}
} // namespace

extern const BoardText kHollinText{.qsf = Qsf};
