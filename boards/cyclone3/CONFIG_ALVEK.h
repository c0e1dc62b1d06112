#pragma once
// Pin filler of the Alvek board (board id 1): a Cyclone III board with twelve peripheral groups and
// two 40-pin GPIO headers: FPGA data, one connector per ticked peripheral group and an empty
// expansion connector for the GPIO headers that carry a card. The cards are attached afterwards.

#include "boards/cyclone3/AlvekConfig.h"
#include "model/MainBoard.h"

// Replaces the board's connectors. The record must carry this board's id
// and size (internal errors otherwise).
void CONFIG_ALVEK(TMainBoard* pBoard, const ALVEK_CONFIG& Config);
