// The Tavrin board (board id 22). Not part of this build yet: its form, settings
// record and pin filler arrive with the board; the definition holds what the
// program already knows of it.

#include "boards/BoardDef.h"

extern const BoardText kTavrinText;

extern const BoardDef kTavrinBoard{
    .id = MAINBOARD_TAVRIN,
    .title = "Tavrin Board",
    .selectorLine = "Tavrin Board",
    .selectorPicture = "TAVRIN_BITMAP",
    .text = &kTavrinText,
};
