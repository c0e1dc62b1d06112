#pragma once
// The .sdc board clocks of the Cyclone V boards with video-in, SDRAM, audio
// and VGA (boards 21, 22, 25 and 34), and the delay blocks of board 21.

#include <string>

namespace mediasdc {

// The options that switch the clock lines on.
struct MediaOptions {
    bool videoIn = false;
    bool sdram = false;
    bool audio = false;
    bool vga = false;
};

// The create_clock lines of the options that are on, then a blank line when
// any was written. withDram: the board has an SDRAM clock.
std::string BoardClocks(const MediaOptions& o, bool withDram);
std::string SollenInputDelays(const MediaOptions& o);
std::string SollenOutputDelays(const MediaOptions& o);

} // namespace mediasdc
