// The Calvet board (board id 31). Not part of this build yet: its form, settings
// record and pin filler arrive with the board; the definition holds what the
// program already knows of it.

#include "boards/BoardDef.h"

extern const BoardText kCalvetText;

extern const BoardDef kCalvetBoard{
    .id = MAINBOARD_CALVET,
    .title = "Calvet FPGA Board",
    .selectorLine = "Calvet FPGA Board",
    .selectorPicture = "CALVET_400_BITMAP",
    .text = &kCalvetText,
};
