// The Vessor board (board id 24). Not part of this build yet: its form, settings
// record and pin filler arrive with the board; the definition holds what the
// program already knows of it.

#include "boards/BoardDef.h"

extern const BoardText kVessorText;

extern const BoardDef kVessorBoard{
    .id = MAINBOARD_VESSOR,
    .title = "Vessor Board",
    .selectorLine = "Vessor SoC Board",
    .selectorPicture = "VESSOR_BITMAP",
    .text = &kVessorText,
};
