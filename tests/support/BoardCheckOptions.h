#pragma once
// What the real-tool checks allow in a board's generated projects, keyed by
// board id, for the goldens and the matrix alike:
//   - the pins a board builds without a location (a hard processor
//     system's, which its IP places), each named, found in the board's pin
//     model with every group ticked; only pins of a group "HPS" may lack one;
//   - timing targets of the board's text without a port, each with its
//     reason (listed below by board).

#include "model/MainBoard.h"
#include "support/ProjectChecker.h"

namespace checker {

CheckOptions BoardCheckOptions(BoardId id);

} // namespace checker
