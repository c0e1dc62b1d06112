#pragma once
// Pin filler of the Ulvane board: FPGA data, one connector per ticked
// peripheral group and an empty expansion connector for each GPIO header
// that carries a card. The cards are attached afterwards.

#include "boards/cyclone5/UlvaneConfig.h"
#include "model/MainBoard.h"

// Replaces the board's connectors. The record must carry board id 23 and
// size 404 (internal errors otherwise).
void CONFIG_Ulvane(TMainBoard* pBoard, const ULVANE_CONFIG& Config);
