// The Quindle board (board id 19). Not part of this build yet: its form, settings
// record and pin filler arrive with the board; the definition holds what the
// program already knows of it.

#include "boards/BoardDef.h"

extern const BoardText kQuindleText;

extern const BoardDef kQuindleBoard{
    .id = MAINBOARD_QUINDLE,
    .title = "Quindle",
    .selectorLine = "Quindle FPGA Board",
    .selectorPicture = "QUINDLE_BITMAP",
    .text = &kQuindleText,
};
