// The Kelmis board (board id 12). Not part of this build yet: its form, settings
// record and pin filler arrive with the board; the definition holds what the
// program already knows of it.

#include "boards/BoardDef.h"

extern const BoardText kKelmisText;

extern const BoardDef kKelmisBoard{
    .id = MAINBOARD_KELMIS,
    .title = "Kelmis FPGA Board",
    .selectorLine = "Kelmis FPGA Board",
    .selectorPicture = "KELMIS_400_BITMAP",
    .text = &kKelmisText,
};
