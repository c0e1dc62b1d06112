// The Nolvar board (board id 15). Not part of this build yet: its form, settings
// record and pin filler arrive with the board; the definition holds what the
// program already knows of it.

#include "boards/BoardDef.h"

extern const BoardText kNolvarText;

extern const BoardDef kNolvarBoard{
    .id = MAINBOARD_NOLVAR,
    .title = "Nolvar",
    .selectorLine = "Nolvar FPGA Board",
    .selectorPicture = "KELMIS_400_BITMAP",
    .text = &kNolvarText,
};
