// Board-specific project text of the Ulvane board (board id 23).

#include "boards/BoardDef.h"
#include "boards/BoardText.h"

extern const BoardText kUlvaneText{.sdcJtag = boardtext::SdcUsbBlasterJtag};
