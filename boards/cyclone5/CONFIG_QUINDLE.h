#pragma once
// Pin filler of the Quindle board: FPGA data, one connector per ticked
// peripheral group and the empty HSMC connector when a card is chosen. The
// card is attached afterwards.

#include "boards/cyclone5/QuindleConfig.h"
#include "model/MainBoard.h"

// Replaces the board's connectors. A record of another board or size is an
// internal error; a voltage index outside 0..3 is taken as 2.5 V, as the
// form's mending of a loaded record does.
void CONFIG_QUINDLE(TMainBoard* pBoard, const QUINDLE_CONFIG& Config);
