// The Yelden board (board id 26). Not part of this build yet: its form, settings
// record and pin filler arrive with the board; the definition holds what the
// program already knows of it.

#include "boards/BoardDef.h"

extern const BoardText kYeldenText;

extern const BoardDef kYeldenBoard{
    .id = MAINBOARD_YELDEN,
    .title = "Yelden MAX10 Board",
    .selectorLine = "Yelden",
    .selectorPicture = "YELDEN_BITMAP",
    .text = &kYeldenText,
};
