// The Fennik board (board id 6). Not part of this build yet: its form, settings
// record and pin filler arrive with the board; the definition holds what the
// program already knows of it.

#include "boards/BoardDef.h"

extern const BoardDef kFennikBoard{
    .id = MAINBOARD_FENNIK,
    .title = "Fennik FPGA Board",
    .selectorLine = "Fennik FPGA Board",
    .selectorPicture = "FENNIK_400_BITMAP",
};
