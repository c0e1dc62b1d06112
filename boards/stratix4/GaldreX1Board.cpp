// The Galdre_X1 board (board id 8). Not part of this build yet: its form, settings
// record and pin filler arrive with the board; the definition holds what the
// program already knows of it.

#include "boards/BoardDef.h"

extern const BoardText kGaldreX1Text;

extern const BoardDef kGaldreX1Board{
    .id = MAINBOARD_GALDRE_X1,
    .title = "Galdre FPGA Board",
    .selectorLine = "Galdre FPGA Board",
    .selectorPicture = "GALDRE_X1_400_BITMAP",
    .text = &kGaldreX1Text,
};
