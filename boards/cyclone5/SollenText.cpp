// Board-specific project text of the Sollen board (board id 21): board
// clocks and delays from the options of the record copy in the pin model.

#include "boards/BoardDef.h"
#include "boards/BoardText.h"
#include "boards/cyclone5/MediaSdc.h"

namespace {

// SOLLEN_CONFIG offsets of the options the text reads.
constexpr std::size_t kVga = 140, kSdram = 141, kAudio = 142, kVideoIn = 143;

mediasdc::MediaOptions Options(const TMainBoard& board) {
    const auto& config = board.m_BoardRecord;
    mediasdc::MediaOptions o;
    o.videoIn = config.U8(kVideoIn) != 0;
    o.sdram = config.U8(kSdram) != 0;
    o.audio = config.U8(kAudio) != 0;
    o.vga = config.U8(kVga) != 0;
    return o;
}

std::string Clocks(const TMainBoard& board) {
    return mediasdc::BoardClocks(Options(board), true);
}
std::string InputDelays(const TMainBoard& board) {
    return mediasdc::SollenInputDelays(Options(board));
}
std::string OutputDelays(const TMainBoard& board) {
    return mediasdc::SollenOutputDelays(Options(board));
}

} // namespace

extern const BoardText kSollenText{.sdcClocks = Clocks,
                                   .sdcJtag = boardtext::SdcUsbBlasterJtag,
                                   .sdcInputDelays = InputDelays,
                                   .sdcOutputDelays = OutputDelays};
