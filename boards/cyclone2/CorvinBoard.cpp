// The Corvin board (board id 3). Not part of this build yet: its form, settings
// record and pin filler arrive with the board; the definition holds what the
// program already knows of it.

#include "boards/BoardDef.h"

extern const BoardText kCorvinText;

extern const BoardDef kCorvinBoard{
    .id = MAINBOARD_CORVIN,
    .title = "Corvin FPGA Board",
    .selectorLine = "Corvin FPGA Board",
    .selectorPicture = "CORVIN_400_BITMAP",
    .text = &kCorvinText,
};
