#pragma once
// Pin filler of the Lorsk board (board id 13): a Cyclone IV E board with
// seventeen peripheral boxes, a 40-pin GPIO header and an HSMC connector:
// FPGA data, one connector per ticked peripheral group (two for the audio
// codec) and an empty expansion connector for each port that carries a
// card. The cards are attached afterwards.

#include "boards/cyclone4/LorskConfig.h"
#include "model/MainBoard.h"

// Replaces the board's connectors. The record must carry this board's id
// and size (internal errors otherwise).
void CONFIG_LORSK(TMainBoard* pBoard, const LORSK_CONFIG& Config);
