// The Wendal board (board id 25). Not part of this build yet: its form, settings
// record and pin filler arrive with the board; the definition holds what the
// program already knows of it.

#include "boards/BoardDef.h"

extern const BoardText kWendalText;

extern const BoardDef kWendalBoard{
    .id = MAINBOARD_WENDAL,
    .title = "Wendal Board",
    .selectorLine = "Wendal Board",
    .selectorPicture = "WENDAL_BITMAP",
    .text = &kWendalText,
};
