// Board-specific project text of the Wendal board (board id 25): the VGA
// clock from the record copy in the pin model.

#include "boards/BoardDef.h"
#include "boards/cyclone5/MediaSdc.h"

namespace {

// WENDAL_CONFIG offset of the VGA option.
constexpr std::size_t kVga = 140;

std::string Clocks(const TMainBoard& board) {
    mediasdc::MediaOptions o;
    o.vga = board.m_WendalConfig.U8(kVga) != 0;
    return mediasdc::BoardClocks(o, true);
}

} // namespace

extern const BoardText kWendalText{.sdcClocks = Clocks};
