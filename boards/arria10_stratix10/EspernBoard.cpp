// The Espern board (board id 33). Not part of this build yet: its form, settings
// record and pin filler arrive with the board; the definition holds what the
// program already knows of it.

#include "boards/BoardDef.h"

extern const BoardText kEspernText;

extern const BoardDef kEspernBoard{
    .id = MAINBOARD_ESPERN,
    .title = "Espern",
    .selectorLine = "Espern FPGA Board",
    .selectorPicture = "ESPERN_BITMAP",
    .text = &kEspernText,
};
