// The Ombrel board (board id 16). Not part of this build yet: its form, settings
// record and pin filler arrive with the board; the definition holds what the
// program already knows of it.

#include "boards/BoardDef.h"

extern const BoardText kOmbrelText;

extern const BoardDef kOmbrelBoard{
    .id = MAINBOARD_OMBREL,
    .title = "Ombrel",
    .selectorLine = "Ombrel FPGA Board",
    .selectorPicture = "OMBREL_BITMAP",
    .text = &kOmbrelText,
};
