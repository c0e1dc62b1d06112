// Board-specific project text of the Falmor board (board id 34). The board
// keeps no record copy in the pin model: its .sdc blocks read the record of
// its settings object (TMainBoard::m_pConfigBoard, a TConfigFalmor).

#include "boards/BoardDef.h"
#include "boards/BoardText.h"
#include "boards/cyclone5/ConfigFalmor.h"
#include "boards/cyclone5/MediaSdc.h"

namespace {

std::string Clocks(const TMainBoard& board) {
    PINSMITH_ASSERT(board.m_pConfigBoard);
    const auto* settings = dynamic_cast<const TConfigFalmor*>(board.m_pConfigBoard);
    PINSMITH_ASSERT(settings);
    const FALMOR_CONFIG& config = settings->Config;
    mediasdc::MediaOptions o;
    o.videoIn = config.VideoIn != 0;
    o.sdram = config.SDRAM != 0;
    o.audio = config.Audio != 0;
    o.vga = config.VGA != 0;
    return mediasdc::BoardClocks(o, true);
}

} // namespace

extern const BoardText kFalmorText{.sdcClocks = Clocks, .sdcJtag = boardtext::SdcUsbBlasterJtag};
