// The Sollen board (board id 21). Not part of this build yet: its form, settings
// record and pin filler arrive with the board; the definition holds what the
// program already knows of it.

#include "boards/BoardDef.h"

extern const BoardText kSollenText;

extern const BoardDef kSollenBoard{
    .id = MAINBOARD_SOLLEN,
    .title = "Sollen Board",
    .selectorLine = "Sollen Board",
    .selectorPicture = "SOLLEN_BITMAP",
    .text = &kSollenText,
};
