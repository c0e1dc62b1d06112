// The Dunmar board (board id 4). Not part of this build yet: its form, settings
// record and pin filler arrive with the board; the definition holds what the
// program already knows of it.

#include "boards/BoardDef.h"

extern const BoardText kDunmarText;

extern const BoardDef kDunmarBoard{
    .id = MAINBOARD_DUNMAR,
    .title = "Dunmar FPGA Board",
    .selectorLine = "Dunmar FPGA Board",
    .selectorPicture = "DUNMAR_400_BITMAP",
    .text = &kDunmarText,
};
