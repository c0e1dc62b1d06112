// The Ulvane board (board id 23). Not part of this build yet: its form, settings
// record and pin filler arrive with the board; the definition holds what the
// program already knows of it.

#include "boards/BoardDef.h"

extern const BoardText kUlvaneText;

extern const BoardDef kUlvaneBoard{
    .id = MAINBOARD_ULVANE,
    .title = "Ulvane Board",
    .selectorLine = "Ulvane SoC Board",
    .selectorPicture = "ULVANE_BITMAP",
    .text = &kUlvaneText,
};
