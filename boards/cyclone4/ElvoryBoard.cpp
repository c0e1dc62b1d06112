// The Elvory board (board id 5). Not part of this build yet: its form, settings
// record and pin filler arrive with the board; the definition holds what the
// program already knows of it.

#include "boards/BoardDef.h"

extern const BoardText kElvoryText;

extern const BoardDef kElvoryBoard{
    .id = MAINBOARD_ELVORY,
    .title = "Elvory FPGA Board",
    .selectorLine = "Elvory FPGA Board",
    .selectorPicture = "ELVORY_400_BITMAP",
    .text = &kElvoryText,
};
