// The Lumbrel board (board id 101). Not part of this build yet: its form, settings
// record and pin filler arrive with the board; the definition holds what the
// program already knows of it.

#include "boards/BoardDef.h"

extern const BoardDef kLumbrelBoard{
    .id = MAINBOARD_LUMBREL,
    .title = "Lumbrel",
    .selectorLine = "Lumbrel",
    .selectorPicture = "LUMBREL_400_BITMAP",
};
