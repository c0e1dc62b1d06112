#include "support/BoardCheckOptions.h"

#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/cyclone4/MarwenId.h"
#include "boards/max10/BrovanId.h"
#include "boards/max10/YeldenId.h"
#include "boards/stratix4/GaldreX1Id.h"

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
    {MAINBOARD_MARWEN, "FS_ADDR[0]",
     "the flash's virtual-pin line names FS_ADDR[0], a bit the shared bus does not carry; "
     "Quartus ignores it"},
};

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

// Pins outside a group "HPS" that a board builds without a location and the
// fitter places (every other pin without a location is a virtual pin).
struct UnlocatedPin {
    BoardId board;
    const char* bus;
    const char* reason;
};
const UnlocatedPin kUnlocated[] = {
    {MAINBOARD_YELDEN, "DDR3_DQS_n",
     "the negative DDR3 strobes: the fitter places each beside its positive pin"},
    {MAINBOARD_BROVAN, "DDR3_DQS_n",
     "the negative DDR3 strobes: the fitter places each beside its positive pin"},
};

bool IsListedUnlocated(BoardId id, const std::string& pin) {
    for (const UnlocatedPin& listed : kUnlocated) {
        if (listed.board == id && pin.rfind(std::string(listed.bus) + "[", 0) == 0) {
            return true;
        }
    }
    return false;
}

} // namespace

CheckOptions BoardCheckOptions(const BoardDef& def, ConstRecordSpan) {
    return BoardCheckOptions(def.id);
}

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
            if (IsListedUnlocated(id, pin->GetName())) {
                options.portsWithoutLocation[pin->GetName()] = "placed by the fitter";
            } else if (group.IsHardProcessorGroup()) {
                options.portsWithoutLocation[pin->GetName()] =
                    "placed with the HPS IP the user adds";
            }
        }
    }
    return options;
}

} // namespace checker
