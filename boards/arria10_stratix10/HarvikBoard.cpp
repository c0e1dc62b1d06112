// The Harvik board (board id 36). Not part of this build yet: its form, settings
// record and pin filler arrive with the board; the definition holds what the
// program already knows of it.

#include "boards/BoardDef.h"

extern const BoardText kHarvikText;

extern const BoardDef kHarvikBoard{
    .id = MAINBOARD_HARVIK,
    .title = "Harvik",
    .selectorLine = "Harvik Board",
    .selectorPicture = "HARVIK_BITMAP",
    .text = &kHarvikText,
};
