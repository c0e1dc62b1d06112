// The Gristel board (board id 35). Not part of this build yet: its form, settings
// record and pin filler arrive with the board; the definition holds what the
// program already knows of it.

#include "boards/BoardDef.h"

extern const BoardText kGristelText;

extern const BoardDef kGristelBoard{
    .id = MAINBOARD_GRISTEL,
    .title = "Gristel",
    .selectorLine = "Gristel Board",
    .selectorPicture = "GRISTEL_BITMAP",
    .text = &kGristelText,
};
