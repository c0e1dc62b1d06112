// Board-specific project text of the Kelvane board (board id 100).

#include "boards/BoardDef.h"

namespace {
std::string Qsf(const TMainBoard&) {
    return "set_global_assignment -name MIN_CORE_JUNCTION_TEMP 0\r\n"
           "set_global_assignment -name MAX_CORE_JUNCTION_TEMP 85\r\n";
}
} // namespace

extern const BoardText kKelvaneText{.qsf = Qsf};
