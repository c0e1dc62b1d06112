// The Jorkel board (board id 50). Not part of this build yet: its form, settings
// record and pin filler arrive with the board; the definition holds what the
// program already knows of it.

#include "boards/BoardDef.h"

extern const BoardText kJorkelText;

extern const BoardDef kJorkelBoard{
    .id = MAINBOARD_JORKEL,
    .title = "Jorkel",
    .selectorLine = "Jorkel",
    .selectorPicture = "JORKEL_400_BITMAP",
    .text = &kJorkelText,
};
