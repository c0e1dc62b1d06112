// The Istrel board (board id 10). Not part of this build yet: its form, settings
// record and pin filler arrive with the board; the definition holds what the
// program already knows of it.

#include "boards/BoardDef.h"

extern const BoardText kIstrelText;

extern const BoardDef kIstrelBoard{
    .id = MAINBOARD_ISTREL,
    .title = "Istrel FPGA Board",
    .selectorLine = "Istrel FPGA Board",
    .selectorPicture = "ISTREL_400_BITMAP",
    .text = &kIstrelText,
};
