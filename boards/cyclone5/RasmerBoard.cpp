// The Rasmer board (board id 20). Not part of this build yet: its form, settings
// record and pin filler arrive with the board; the definition holds what the
// program already knows of it.

#include "boards/BoardDef.h"

extern const BoardDef kRasmerBoard{
    .id = MAINBOARD_RASMER,
    .title = "Rasmer",
    .selectorLine = "Rasmer FPGA Board",
    .selectorPicture = "RASMER_BITMAP",
};
