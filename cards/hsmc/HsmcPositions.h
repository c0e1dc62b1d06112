#pragma once
// Positions of the HSMC connector (160) and of the maker's Kirrel connector
// (180), with the roles the card maps place their signals by.
//
// HSMC, position p from 1:
//   1-32     transceiver lanes 7 down to 0, four positions each in the order
//            transmit p, receive p, transmit n, receive n (lane 7 at 1-4)
//   33, 34   I2C data and clock
//   35-38    JTAG TCK, TMS, TDO, TDI
//   39, 40   single-ended clock output 0 and input 0
//   41-44    single-ended data lines 0 to 3
//   47-94    data-pair groups 0 to 7, six positions each: transmit p,
//            receive p, transmit n, receive n and two without signal
//   95-98    clock pair 1: output p, input p, output n, input n
//   101-152  data-pair groups 8 to 16, laid out as groups 0 to 7
//   155-158  clock pair 2, laid out as clock pair 1
//   160      card present, an input of the FPGA
// The positions without signal (45, 46, the last two of every data-pair
// group, 99, 100, 153, 154, 159) are supply positions: no board connector
// has an FPGA pin there.

#include <array>

inline constexpr int HSMC_PIN_NUM = 160;
inline constexpr int KIRREL_PIN_NUM = 180;

namespace hsmc {

inline constexpr int kLastLanePosition = 32;
inline constexpr int kFirstJtagPosition = 35;
inline constexpr int kLastJtagPosition = 38;

constexpr bool IsLanePosition(int p) {
    return p >= 1 && p <= kLastLanePosition;
}

constexpr bool IsNoSignalPosition(int p) {
    if (p == 45 || p == 46 || p == 99 || p == 100 || p == 153 || p == 154 || p == 159) {
        return true;
    }
    if (p >= 47 && p <= 94) {
        return (p - 47) % 6 >= 4;
    }
    if (p >= 101 && p <= 152) {
        return (p - 101) % 6 >= 4;
    }
    return false;
}

inline constexpr int kNoSignalCount = 39;

// The supply positions in ascending order.
constexpr std::array<int, kNoSignalCount> NoSignalPositions() {
    std::array<int, kNoSignalCount> list{};
    int n = 0;
    for (int p = 1; p <= HSMC_PIN_NUM; ++p) {
        if (IsNoSignalPosition(p)) {
            list[static_cast<std::size_t>(n++)] = p;
        }
    }
    return list;
}

static_assert(NoSignalPositions().back() == 159);

} // namespace hsmc

// Kirrel, position p from 1 (names of the Nimbal Kirrel adaptor):
//   3-6      clock pair 0: output n, input n, output p, input p
//   9-62     channels 0 to 8, six positions each from 9: TX n, RX n, TX p,
//            RX p and two without signal
//   63-66    clock pair 1, laid out as clock pair 0
//   69-120   channels 9 to 17, laid out as channels 0 to 8
//   121      power on; 123, 124 clock out 2 and in 2; 125, 126 TDO, TDI;
//            129, 130 TCK, TMS; 131, 132 I2C data and clock
//   133-180  channels 18 to 29, four positions each without gaps
// The other 43 positions carry no signal.
namespace kirrel {

constexpr bool IsNoSignalPosition(int p) {
    if (p == 1 || p == 2 || p == 122 || p == 127 || p == 128) {
        return true;
    }
    // The last two positions of each group of six from 3 to 116.
    return p >= 7 && p <= 116 && (p - 3) % 6 >= 4;
}

inline constexpr int kNoSignalCount = 43;

constexpr std::array<int, kNoSignalCount> NoSignalPositions() {
    std::array<int, kNoSignalCount> list{};
    int n = 0;
    for (int p = 1; p <= KIRREL_PIN_NUM; ++p) {
        if (IsNoSignalPosition(p)) {
            list[static_cast<std::size_t>(n++)] = p;
        }
    }
    return list;
}

static_assert(NoSignalPositions().back() == 128);

} // namespace kirrel
