#pragma once
// What the real-tool checks allow in a board's generated projects, keyed by
// board id, for the goldens and the matrix alike:
//   - the pins a board builds without a location (a hard processor
//     system's, which its IP places), each named, found in the board's pin
//     model with every group ticked; only pins of a group "HPS" may lack one;
//     and the named pins of other boards (memory strobes the fitter pairs);
//   - timing targets of the board's text without a port, each with its
//     reason (listed below by board);
//   - for one project, the bus bits its top level declares without a pin
//     (a header mode whose buses have gaps).

#include "boards/BoardDef.h"
#include "model/MainBoard.h"
#include "support/ProjectChecker.h"

namespace checker {

CheckOptions BoardCheckOptions(BoardId id);
// The board's options and those of this record's project.
CheckOptions BoardCheckOptions(const BoardDef& def, ConstRecordSpan record);

} // namespace checker
