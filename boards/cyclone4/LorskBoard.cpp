// The Lorsk board (board id 13). Not part of this build yet: its form, settings
// record and pin filler arrive with the board; the definition holds what the
// program already knows of it.

#include "boards/BoardDef.h"

extern const BoardDef kLorskBoard{
    .id = MAINBOARD_LORSK,
    .title = "Lorsk FPGA Board",
    .selectorLine = "Lorsk FPGA Board",
    .selectorPicture = "LORSK_400_BITMAP",
};
