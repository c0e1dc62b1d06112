// The Lumbrel board (board id 101): a Stratix IV GX board that the program
// only shows. It keeps no settings record and has no pin filler, so the
// form rules, the settings file and the project writer never run for it;
// its form displays the board and lets the user leave it.

#include "boards/BoardDef.h"
#include "boards/Boards.h"
#include "boards/stratix4/LumbrelId.h"

extern const BoardDef kLumbrelBoard{
    .id = MAINBOARD_LUMBREL,
    .title = "Lumbrel",
    .selectorLine = "Lumbrel",
    .selectorPicture = "LUMBREL_400_BITMAP",
    .writesProjects = false,
};

namespace {
const BoardRegistrar kRegistrar{kLumbrelBoard};
} // namespace
