// The Marwen board (board id 14). Not part of this build yet: its form, settings
// record and pin filler arrive with the board; the definition holds what the
// program already knows of it.

#include "boards/BoardDef.h"

extern const BoardText kMarwenText;

extern const BoardDef kMarwenBoard{
    .id = MAINBOARD_MARWEN,
    .title = "Marwen Board",
    .selectorLine = "Marwen FPGA Board",
    .selectorPicture = "MARWEN_BITMAP",
    .text = &kMarwenText,
};
