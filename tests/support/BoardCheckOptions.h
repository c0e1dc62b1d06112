#pragma once
// What the real-tool checks allow in a board's generated projects, keyed by
// board id, for the goldens and the matrix alike:
//   - the pins a board builds without a location that the fitter places
//     (a hard processor system's, which its IP places, found in the board's
//     pin model with every group ticked, and the named n strobes of other
//     boards); every other port bit without a location must be virtual;
//   - timing targets of the board's text without a port, each with its
//     reason (listed below by board).

#include "boards/BoardDef.h"
#include "model/MainBoard.h"
#include "support/ProjectChecker.h"

namespace checker {

CheckOptions BoardCheckOptions(BoardId id);
// The board's options and those of this record's project.
CheckOptions BoardCheckOptions(const BoardDef& def, ConstRecordSpan record);

} // namespace checker
