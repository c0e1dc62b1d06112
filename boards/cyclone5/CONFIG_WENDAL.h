#pragma once
// Pin filler of the Wendal board: FPGA data, one connector per ticked
// peripheral group and the empty expansion connectors of the GPIO headers
// that carry a card. The cards are attached afterwards.

#include "boards/cyclone5/WendalConfig.h"
#include "model/MainBoard.h"

// Replaces the board's connectors and keeps a copy of the record. A record
// of another board or size is an internal error.
void CONFIG_WENDAL(TMainBoard* pBoard, const WENDAL_CONFIG& Config);
