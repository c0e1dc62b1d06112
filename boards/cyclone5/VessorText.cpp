// Board-specific project text of the Vessor board (board id 24).

#include "boards/BoardDef.h"
#include "boards/BoardText.h"

extern const BoardText kVessorText{.sdcJtag = boardtext::SdcUsbBlasterJtag};
