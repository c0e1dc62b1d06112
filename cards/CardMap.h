#pragma once
// Card pin maps as data. A map is a table of rows; each row names some
// connector positions and the signals that sit there:
//
//   positions  "2, 4-10, 13-16"  single positions and runs a-b (both ends
//                                included), taken in the order written;
//                                FMC positions may be written as row letter
//                                and pin, "C10" or "C10-12" (see below)
//   signals    "FYRN_D[11..0]"   names and bus runs, separated by commas;
//                                NAME[a..b] gives NAME[a] to the first
//                                position and counts towards b, one index per
//                                position, in either direction
//   direction  1 inout, 2 input or 3 output
//   standard   one of the codes the filler hands over (ROW_IOSTD,
//              ROW_XCVRSTD ...: see CardCodes) or a fixed code
//   i2c        the pin's I2C flag
//   flags      a byte of the row's own marks, read by the fillers that judge
//              the expanded map before it is appended (see ExpandCardMap)
//
// The expanded names pair one by one with the expanded positions. A position
// that no row names carries no signal of the card. FillCardMap appends exactly
// one entry per connector position, in ascending order, so list index =
// position - 1 and every pin's PinIndex is its position.

#include "model/Connector.h"
#include "model/Pin.h"
#include "model/Sizes.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The codes a filler hands to its table: the rows pick one by its slot.
enum class CodeSlot : std::uint8_t {
    Fixed,   // the row's own code
    IoStd,   // the single-ended standard of the card's pins
    XcvrStd, // transceiver lanes
    I2cStd,  // the I2C pins of some cards
    LvdsStd, // LVDS pairs
    SecondStd,
    SaStd,   // memory address and command
    CtlStd,  // memory control
    DiffStd, // memory strobes and clocks: the differential or the single-ended code
};

struct CardCodes {
    IoStd ioStd = IOSTD_3V3_LVTTL;
    IoStd xcvrStd = IOSTD_3V3_LVTTL;
    IoStd i2cStd = IOSTD_3V3_LVTTL;
    IoStd lvdsStd = IOSTD_3V3_LVTTL;
    IoStd secondStd = IOSTD_3V3_LVTTL;
    IoStd saStd = IOSTD_3V3_LVTTL;
    IoStd ctlStd = IOSTD_3V3_LVTTL;
    IoStd diffStd = IOSTD_3V3_LVTTL;

    // Every slot holds the one code: the maps that take a single standard.
    static constexpr CardCodes All(IoStd code) {
        return CardCodes{code, code, code, code, code, code, code, code};
    }
    IoStd Pick(CodeSlot slot, IoStd fixed) const;
};

// Where the pins of a row take their I/O standard from.
struct RowStd {
    CodeSlot slot;
    IoStd code; // for CodeSlot::Fixed
};
inline constexpr RowStd ROW_IOSTD{CodeSlot::IoStd, IOSTD_1V5};
inline constexpr RowStd ROW_XCVRSTD{CodeSlot::XcvrStd, IOSTD_1V5};
inline constexpr RowStd ROW_I2CSTD{CodeSlot::I2cStd, IOSTD_1V5};
inline constexpr RowStd ROW_LVDSSTD{CodeSlot::LvdsStd, IOSTD_1V5};
inline constexpr RowStd ROW_SECONDSTD{CodeSlot::SecondStd, IOSTD_1V5};
inline constexpr RowStd ROW_SASTD{CodeSlot::SaStd, IOSTD_1V5};
inline constexpr RowStd ROW_CTLSTD{CodeSlot::CtlStd, IOSTD_1V5};
inline constexpr RowStd ROW_DIFFSTD{CodeSlot::DiffStd, IOSTD_1V5};
constexpr RowStd RowStdFixed(IoStd code) {
    return RowStd{CodeSlot::Fixed, code};
}

struct CardMapRow {
    std::string_view positions;
    std::string_view signals;
    PinDirection direction;
    RowStd standard;
    bool i2c = false;
    std::uint8_t flags = 0;
};

// A named table: the name goes into the message of a malformed table.
struct CardMapTable {
    std::string_view name;
    std::span<const CardMapRow> rows;
};

// Appends positionCount entries to the card: a new pin where a row names the
// position, an empty entry elsewhere. namePrefix goes before every name of the
// table (a map whose names are built around a caller's base). A malformed
// table (unreadable cell, name and position counts that differ, a position
// outside 1..positionCount or named twice, a direction other than 1 to 3) is
// an internal error whose message names the table and the row.
void FillCardMap(TConnector& card, int positionCount, const CardMapTable& table,
                 const CardCodes& codes, std::string_view namePrefix = {});
// A map in several tables walked into one position space: the filler picks
// the tables of a variant (a board's naming, optional transceiver lanes, a
// card that extends another card's rows). A position that two tables name is
// malformed like a position named twice in one table.
void FillCardMap(TConnector& card, int positionCount, std::span<const CardMapTable> tables,
                 const CardCodes& codes, std::string_view namePrefix = {});
// The maps that take one standard for every row.
inline void FillCardMap(TConnector& card, int positionCount, const CardMapTable& table, IoStd ioStd,
                        std::string_view namePrefix = {}) {
    FillCardMap(card, positionCount, table, CardCodes::All(ioStd), namePrefix);
}

// ---------------------------------------------------------------------------
// FMC positions, and the walker in two steps for the fillers that judge or
// rearrange a map before it is appended (FMC cards, memory modules).

// FMC connectors number their positions by row and pin: the rows A to K
// without I, 40 pins each, position = row index * 40 + pin (A1 = 1, C10 = 90,
// K40 = 400). In a positions cell "C10" is that position and "C10-12" the run
// C10, C11, C12; a run's end without a letter stays in the row of its start.
inline constexpr char kFmcRowLetters[] = {'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'J', 'K'};
inline constexpr int kFmcPinsPerRow = 40;
inline constexpr int kFmcPositionCount = static_cast<int>(sizeof kFmcRowLetters) * kFmcPinsPerRow;
// The index of an FMC row letter (A = 0 ... K = 9); -1 for a letter that
// names no row (I, L ...).
constexpr int FmcRowIndex(char row) {
    for (int r = 0; r < static_cast<int>(sizeof kFmcRowLetters); ++r) {
        if (kFmcRowLetters[r] == row) {
            return r;
        }
    }
    return -1;
}
// The position of a row letter and pin (1..40).
constexpr int FmcPosition(char row, int pin) {
    return FmcRowIndex(row) * kFmcPinsPerRow + pin;
}

// One position of an expanded map.
struct CardMapSlot {
    const CardMapRow* row = nullptr; // the row that names the position; nullptr: none
    std::string name;                // the expanded name, with the name prefix
    IoStd code = IOSTD_3V3_LVTTL;    // the code the row's standard picks
};
// One slot per connector position, index = position - 1.
using CardMapSlots = std::vector<CardMapSlot>;

// Puts the rows of a table into the slots (sized to the connector's position
// count beforehand). A filler that builds its map from several spans of rows
// calls it once per span; a position that two spans name is malformed. A
// malformed table is an internal error, as for FillCardMap. A filler may then
// judge the slots: drop a pin (row = nullptr), change its name or code.
void ExpandCardMap(CardMapSlots& slots, const CardMapTable& table, const CardCodes& codes,
                   std::string_view namePrefix = {});
// Appends one entry per slot, in position order: a new pin where the slot has
// a row, an empty entry elsewhere.
void AppendCardMap(TConnector& card, const CardMapSlots& slots);
