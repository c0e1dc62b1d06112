#pragma once
// Pin filler of the Ilmarch board: FPGA data, one connector per ticked
// peripheral group and an empty expansion connector for the GPIO headers
// that carry a card. The cards are attached afterwards.

#include "boards/cyclone5/IlmarchConfig.h"
#include "model/MainBoard.h"

// Replaces the board's connectors. The record must carry board id 37 and
// size 412, and an 80-pin card on GPIO-0 must be named on GPIO-1 as well
// (internal errors otherwise).
void CONFIG_ILMARCH(TMainBoard* pBoard, const ILMARCH_CONFIG& Config);
