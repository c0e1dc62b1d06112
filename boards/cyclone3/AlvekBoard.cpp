// The Alvek board (board id 1). Not part of this build yet: its form, settings
// record and pin filler arrive with the board; the definition holds what the
// program already knows of it.

#include "boards/BoardDef.h"

extern const BoardText kAlvekText;

extern const BoardDef kAlvekBoard{
    .id = MAINBOARD_ALVEK,
    .title = "Alvek FPGA Board",
    .selectorLine = "Alvek FPGA Board",
    .selectorPicture = "ALVEK_400_BITMAP",
    .text = &kAlvekText,
};
