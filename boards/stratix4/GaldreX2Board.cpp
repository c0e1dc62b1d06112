// The GaldreX2 board (board id 7). Not part of this build yet: its form, settings
// record and pin filler arrive with the board; the definition holds what the
// program already knows of it.

#include "boards/BoardDef.h"

extern const BoardDef kGaldreX2Board{
    .id = MAINBOARD_GALDRE_X2,
    .title = "Galdre_X2 FPGA Board",
    .selectorLine = "Galdre X2 FPGA Board",
    .selectorPicture = "GALDRE_X2_400_BITMAP",
};
