#pragma once
// Board-specific project text of the Falmor board (board id 34). The board
// keeps no record copy in the pin model: its .sdc blocks read the record of
// its settings object (TMainBoard::m_pConfigBoard), so the board's settings
// class derives from TConfigBoard and from TConfigRecordSource.

#include <cstddef>
#include <cstdint>
#include <span>

class TConfigRecordSource {
public:
    virtual ~TConfigRecordSource() = default;
    virtual std::span<const std::uint8_t> ConfigRecord() const = 0;
};

namespace falmor {
// FALMOR_CONFIG: its size and the offsets of the options the text reads.
inline constexpr std::size_t kConfigSize = 416, kVga = 141, kSdram = 142, kAudio = 143,
                             kVideoIn = 144;
} // namespace falmor
