#pragma once
// Pin filler of the Brovan kit (board id 30): FPGA data, one connector per
// ticked peripheral group and, when a card is chosen, the empty 2x6 header
// "Ergan 2x6 GPIO Header" (id 31) whose eight positions keep 3.3-V LVTTL.
// The card is attached afterwards.

#include "boards/max10/BrovanConfig.h"
#include "model/MainBoard.h"

// Replaces the board's connectors. The record must carry this board's id
// and size (internal errors otherwise).
void CONFIG_BROVAN(TMainBoard* pBoard, const BROVAN_CONFIG& Config);
