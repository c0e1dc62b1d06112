// The Pellix board (board id 18). Not part of this build yet: its form, settings
// record and pin filler arrive with the board; the definition holds what the
// program already knows of it.

#include "boards/BoardDef.h"

extern const BoardText kPellixText;

extern const BoardDef kPellixBoard{
    .id = MAINBOARD_PELLIX,
    .title = "Pellix",
    .selectorLine = "Pellix II FPGA Board",
    .selectorPicture = "PELLIX_BITMAP",
    .text = &kPellixText,
};
