#pragma once
// Pin filler of the Vessor board: FPGA data, one connector per ticked
// peripheral group and an empty expansion connector for each GPIO header
// that carries a card. The cards are attached afterwards.

#include "boards/cyclone5/VessorConfig.h"
#include "model/MainBoard.h"

// Replaces the board's connectors. The record must carry board id 24 and
// size 404 (internal errors otherwise).
void CONFIG_Vessor(TMainBoard* pBoard, const VESSOR_CONFIG& Config);
