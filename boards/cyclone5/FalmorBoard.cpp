// The Falmor board (board id 34). Not part of this build yet: its form, settings
// record and pin filler arrive with the board; the definition holds what the
// program already knows of it.

#include "boards/BoardDef.h"

extern const BoardText kFalmorText;

extern const BoardDef kFalmorBoard{
    .id = MAINBOARD_FALMOR,
    .title = "Falmor",
    .selectorLine = "Falmor Board",
    .selectorPicture = "FALMOR_BITMAP",
    .text = &kFalmorText,
};
