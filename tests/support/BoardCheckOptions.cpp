#include "support/BoardCheckOptions.h"

#include "boards/BoardRules.h"
#include "boards/Boards.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace checker {
namespace {

struct UnmatchedTarget {
    BoardId board;
    const char* pattern;
    const char* reason;
};

// Timing targets a board's text names although the board has no such port.
const UnmatchedTarget kUnmatched[] = {
    {MAINBOARD_WENDAL, "VGA_CLK",
     "the board's VGA clock constraint names VGA_CLK, which Wendal lacks; Quartus warns "
     "and ignores it"},
    {MAINBOARD_MARWEN, "FS_ADDR[0]",
     "the flash's virtual-pin line names FS_ADDR[0], a bit the shared bus does not carry; "
     "Quartus ignores it"},
};

struct UnplacedPin {
    BoardId board;
    const char* port; // a bit, or a bus by its base name
    const char* reason;
};

// On-board pins a board's table leaves without a location.
const UnplacedPin kUnplaced[] = {
    {MAINBOARD_LORSK, "VGA_R[0]", "the colour buses' two lowest bits are not wired"},
    {MAINBOARD_LORSK, "VGA_R[1]", "the colour buses' two lowest bits are not wired"},
    {MAINBOARD_LORSK, "VGA_G[0]", "the colour buses' two lowest bits are not wired"},
    {MAINBOARD_LORSK, "VGA_G[1]", "the colour buses' two lowest bits are not wired"},
    {MAINBOARD_LORSK, "VGA_B[0]", "the colour buses' two lowest bits are not wired"},
    {MAINBOARD_LORSK, "VGA_B[1]", "the colour buses' two lowest bits are not wired"},
    {MAINBOARD_LORSK, "HEX0_DP", "its ball is FL_DQ[7]'s (AF12)"},
    {MAINBOARD_LORSK, "HEX2_DP", "its ball is GPIO header position 13's (AC19)"},
};

const char* UnplacedReason(BoardId board, const std::string& port) {
    for (const UnplacedPin& pin : kUnplaced) {
        if (pin.board == board && port == pin.port) {
            return pin.reason;
        }
    }
    return nullptr;
}

struct SharedLocation {
    BoardId board;
    const char* location;
    const char* reason;
};

// Locations a board's fixed assignments give a node inside the device and a
// port of the board's own groups as well.
const SharedLocation kShared[] = {
    {MAINBOARD_GALDRE_X1, "PIN_AF25",
     "the first DDR2 socket's termination input and the fixed termination block both sit there"},
    {MAINBOARD_GALDRE_X1, "PIN_AG25",
     "the first DDR2 socket's termination input and the fixed termination block both sit there"},
};

} // namespace

CheckOptions BoardCheckOptions(BoardId id) {
    CheckOptions options;
    for (const SharedLocation& shared : kShared) {
        if (shared.board == id) {
            options.sharedLocations[shared.location] = shared.reason;
        }
    }
    for (const UnmatchedTarget& target : kUnmatched) {
        if (target.board == id) {
            options.unmatchedTargets[target.pattern] = target.reason;
        }
    }
    const BoardDef* def = FindBoard(id);
    if (!def || !def->HasRecord() || !def->fill) {
        return options;
    }
    std::vector<std::uint8_t> record(def->record.size);
    SetDefaultRecord(*def, record);
    for (const std::size_t offset : def->peripherals) {
        record[offset] = 1;
    }
    TMainBoard board;
    def->fill(&board, record);
    for (int i = 0; i < board.GetConnectorCount(); ++i) {
        const TConnector& group = *board.GetConnector(i);
        for (int j = 0; j < group.GetPinCount(); ++j) {
            const TPin* pin = group.GetPin(j);
            if (!pin || !pin->GetLocation().empty() || group.GetIsExpansion()) {
                continue;
            }
            if (const char* reason = UnplacedReason(id, pin->GetName())) {
                options.portsWithoutLocation[pin->GetName()] = reason;
                continue;
            }
            EXPECT_EQ(group.GetName(), "HPS")
                << "board " << BoardNumber(id) << ": " << pin->GetName() << " has no location";
            options.portsWithoutLocation[pin->GetName()] = "placed with the HPS IP the user adds";
        }
    }
    return options;
}

} // namespace checker
