// The ZarvikDdr4 board (board id 28). Not part of this build yet: its form, settings
// record and pin filler arrive with the board; the definition holds what the
// program already knows of it.

#include "boards/BoardDef.h"

extern const BoardText kZarvikDdr4Text;

extern const BoardDef kZarvikDdr4Board{
    .id = MAINBOARD_ZARVIK_DDR4,
    .title = "Zarvik-DDR4",
    .selectorLine = "Zarvik-DDR4 FPGA Board",
    .selectorPicture = "ZARVIK_DDR4_BITMAP",
    .text = &kZarvikDdr4Text,
};
