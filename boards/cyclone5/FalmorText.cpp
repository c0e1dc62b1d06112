#include "boards/cyclone5/FalmorText.h"

#include "boards/BoardDef.h"
#include "boards/BoardText.h"
#include "boards/cyclone5/MediaSdc.h"
#include "settings/ConfigBoard.h"

namespace {

std::string Clocks(const TMainBoard& board) {
    PINSMITH_ASSERT(board.m_pConfigBoard);
    const auto* source = dynamic_cast<const TConfigRecordSource*>(board.m_pConfigBoard);
    PINSMITH_ASSERT(source);
    const std::span<const std::uint8_t> config = source->ConfigRecord();
    PINSMITH_ASSERT(config.size() == falmor::kConfigSize);
    mediasdc::MediaOptions o;
    o.videoIn = config[falmor::kVideoIn] != 0;
    o.sdram = config[falmor::kSdram] != 0;
    o.audio = config[falmor::kAudio] != 0;
    o.vga = config[falmor::kVga] != 0;
    return mediasdc::BoardClocks(o, true);
}

} // namespace

extern const BoardText kFalmorText{.sdcClocks = Clocks, .sdcJtag = boardtext::SdcUsbBlasterJtag};
