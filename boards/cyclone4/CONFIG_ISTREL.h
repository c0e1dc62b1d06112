#pragma once
// Pin filler of the Istrel board (board id 10): a Cyclone IV E board with nine peripheral groups
// and two 40-pin GPIO headers: FPGA data, one connector per ticked peripheral group and an empty
// expansion connector for the GPIO headers that carry a card. The cards are attached afterwards.

#include "boards/cyclone4/IstrelConfig.h"
#include "model/MainBoard.h"

// Replaces the board's connectors. The record must carry this board's id
// and size (internal errors otherwise).
void CONFIG_ISTREL(TMainBoard* pBoard, const ISTREL_CONFIG& Config);
