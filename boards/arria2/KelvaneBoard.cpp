// The Kelvane board (board id 100). Not part of this build yet: its form, settings
// record and pin filler arrive with the board; the definition holds what the
// program already knows of it.

#include "boards/BoardDef.h"

extern const BoardText kKelvaneText;

extern const BoardDef kKelvaneBoard{
    .id = MAINBOARD_KELVANE,
    .title = "Kelvane",
    .selectorLine = "Kelvane",
    .selectorPicture = "KELVANE_400_BITMAP",
    .text = &kKelvaneText,
};
