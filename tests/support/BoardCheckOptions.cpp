#include "support/BoardCheckOptions.h"

#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "support/BoardFacts.h"

#include <map>
#include <string>
#include <vector>

namespace checker {
namespace {

// Pins outside a group "HPS" that a board builds without a location and the
// fitter places (its facts; every other pin without a location is a
// virtual pin).
bool IsListedUnlocated(BoardId id, const std::string& pin) {
    for (const facts::Listed& listed : facts::FactsOf(id).unlocatedBuses) {
        if (pin.rfind(std::string(listed.what) + "[", 0) == 0) {
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
    // Locations the board's fixed assignments give a node inside the device
    // and a port of its own groups as well; timing targets its text names
    // although it has no such port.
    const facts::BoardFacts& listed = facts::FactsOf(id);
    for (const facts::Listed& shared : listed.sharedLocations) {
        options.sharedLocations[shared.what] = shared.reason;
    }
    for (const facts::Listed& target : listed.unmatchedTargets) {
        options.unmatchedTargets[target.what] = target.reason;
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
