// The Zarvik board (board id 27). Not part of this build yet: its form, settings
// record and pin filler arrive with the board; the definition holds what the
// program already knows of it.

#include "boards/BoardDef.h"

extern const BoardText kZarvikText;

extern const BoardDef kZarvikBoard{
    .id = MAINBOARD_ZARVIK,
    .title = "Zarvik",
    .selectorLine = "Zarvik FPGA Board",
    .selectorPicture = "ZARVIK_BITMAP",
    .text = &kZarvikText,
};
