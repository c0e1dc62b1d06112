// Board-specific project text of the Gristel board (board id 35).

#include "boards/BoardDef.h"
#include "boards/BoardText.h"

extern const BoardText kGristelText{.sdcJtag = boardtext::SdcUsbBlasterJtag};
