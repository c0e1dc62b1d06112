// The Hollin board (board id 9). Not part of this build yet: its form, settings
// record and pin filler arrive with the board; the definition holds what the
// program already knows of it.

#include "boards/BoardDef.h"

extern const BoardText kHollinText;

extern const BoardDef kHollinBoard{
    .id = MAINBOARD_HOLLIN,
    .title = "Hollin FPGA Board",
    .selectorLine = "Hollin FPGA Board",
    .selectorPicture = "HOLLIN_400_BITMAP",
    .text = &kHollinText,
};
