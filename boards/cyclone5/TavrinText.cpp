// Board-specific project text of the Tavrin board (board id 22): board
// clocks from the record copy in the pin model (the board has no SDRAM
// clock).

#include "boards/BoardDef.h"
#include "boards/BoardText.h"
#include "boards/cyclone5/MediaSdc.h"

namespace {

// TAVRIN_CONFIG offsets of the options the text reads.
constexpr std::size_t kVga = 140, kAudio = 143, kVideoIn = 144;

std::string Clocks(const TMainBoard& board) {
    const auto& config = board.m_BoardRecord;
    mediasdc::MediaOptions o;
    o.videoIn = config.U8(kVideoIn) != 0;
    o.audio = config.U8(kAudio) != 0;
    o.vga = config.U8(kVga) != 0;
    return mediasdc::BoardClocks(o, false);
}

} // namespace

extern const BoardText kTavrinText{.sdcClocks = Clocks, .sdcJtag = boardtext::SdcUsbBlasterJtag};
