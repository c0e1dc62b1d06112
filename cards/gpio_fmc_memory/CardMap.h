#pragma once
// Card pin maps as data. A map is a table of rows; each row names some
// connector positions and the signals that sit there:
//
//   positions  "2, 4-10, 13-16"  single positions and runs a-b (both ends
//                                included), taken in the order written
//   signals    "FYRN_D[11..0]"   names and bus runs, separated by commas;
//                                NAME[a..b] gives NAME[a] to the first
//                                position and counts towards b, one index per
//                                position, in either direction
//   direction  1 inout, 2 input or 3 output
//   standard   the filler's ioStd argument (ROW_IOSTD) or a fixed code
//   i2c        the pin's I2C flag
//
// The expanded names pair one by one with the expanded positions. A position
// that no row names carries no signal of the card. FillCardMap appends exactly
// one entry per connector position, in ascending order, so list index =
// position - 1 and every pin's PinIndex is its position.

#include "model/Connector.h"
#include "model/Pin.h"

#include <span>
#include <string_view>

// Positions of one 40-pin GPIO header; a card over both headers has twice as
// many.
inline constexpr int GPIO_PIN_NUM = 40;

// Where the pins of a row take their I/O standard from.
struct RowStd {
    bool fromArgument; // the filler's ioStd argument
    IoStd code;        // otherwise this fixed code
};
inline constexpr RowStd ROW_IOSTD{true, IOSTD_1V5};
constexpr RowStd RowStdFixed(IoStd code) {
    return RowStd{false, code};
}

struct CardMapRow {
    std::string_view positions;
    std::string_view signals;
    PinDirection direction;
    RowStd standard;
    bool i2c = false;
};

// Appends positionCount entries to the card: a new pin where a row names the
// position, an empty entry elsewhere. namePrefix goes before every name of the
// table (a map whose names are built around a caller's base). A malformed
// table (unreadable cell, name and position counts that differ, a position
// outside 1..positionCount or named twice, a direction other than 1 to 3) is
// an internal error.
void FillCardMap(TConnector& card, int positionCount, std::span<const CardMapRow> rows, IoStd ioStd,
                 std::string_view namePrefix = {});
