// The Ombrel2 board (board id 17). Not part of this build yet: its form, settings
// record and pin filler arrive with the board; the definition holds what the
// program already knows of it.

#include "boards/BoardDef.h"
#include "boards/Boards.h"
#include "boards/stratix5/Ombrel2Id.h"

extern const BoardDef kOmbrel2Board{
    .id = MAINBOARD_OMBREL2,
    .title = "Ombrel II",
    .selectorLine = "Ombrel II FPGA Board",
    .selectorPicture = "OMBREL_BITMAP",
    .writesProjects = false,
};

namespace {
const BoardRegistrar kRegistrar{kOmbrel2Board};
} // namespace
