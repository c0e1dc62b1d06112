#pragma once
// Pin filler of the Dunmar board (board id 4): a Cyclone II board with twenty-two peripheral groups
// and two 40-pin GPIO headers: FPGA data, one connector per ticked peripheral group and an empty
// expansion connector for the GPIO headers that carry a card. The cards are attached afterwards.

#include "boards/cyclone2/DunmarConfig.h"
#include "model/MainBoard.h"

// Replaces the board's connectors. The record must carry this board's id
// and size (internal errors otherwise).
void CONFIG_DUNMAR(TMainBoard* pBoard, const DUNMAR_CONFIG& Config);
