// The Brovan board (board id 30). Not part of this build yet: its form, settings
// record and pin filler arrive with the board; the definition holds what the
// program already knows of it.

#include "boards/BoardDef.h"

extern const BoardDef kBrovanBoard{
    .id = MAINBOARD_BROVAN,
    .title = "Brovan Kit",
    .selectorLine = "Brovan KIT",
    .selectorPicture = "BROVAN_BITMAP",
};
