// The Dravel board (board id 32). Not part of this build yet: its form, settings
// record and pin filler arrive with the board; the definition holds what the
// program already knows of it.

#include "boards/BoardDef.h"

extern const BoardDef kDravelBoard{
    .id = MAINBOARD_DRAVEL,
    .title = "Dravel Kit",
    .selectorLine = "Dravel KIT",
    .selectorPicture = "DRAVEL_BITMAP",
};
