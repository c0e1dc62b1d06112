// The Jorvath board (board id 11). Not part of this build yet: its form, settings
// record and pin filler arrive with the board; the definition holds what the
// program already knows of it.

#include "boards/BoardDef.h"

extern const BoardText kJorvathText;

extern const BoardDef kJorvathBoard{
    .id = MAINBOARD_JORVATH,
    .title = "Jorvath FPGA Board",
    .selectorLine = "Jorvath FPGA Board",
    .selectorPicture = "JORVATH_400_BITMAP",
    .text = &kJorvathText,
};
