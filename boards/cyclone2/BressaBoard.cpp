// The Bressa board (board id 2). Not part of this build yet: its form, settings
// record and pin filler arrive with the board; the definition holds what the
// program already knows of it.

#include "boards/BoardDef.h"

extern const BoardText kBressaText;

extern const BoardDef kBressaBoard{
    .id = MAINBOARD_BRESSA,
    .title = "Bressa FPGA Board",
    .selectorLine = "Bressa FPGA Board",
    .selectorPicture = "BRESSA_400_BITMAP",
    .text = &kBressaText,
};
