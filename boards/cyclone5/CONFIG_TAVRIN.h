#pragma once
// Pin filler of the Tavrin board: FPGA data, one connector per ticked
// peripheral group and the empty expansion connectors of the GPIO headers
// that carry a card. The cards are attached afterwards.

#include "boards/cyclone5/TavrinConfig.h"
#include "model/MainBoard.h"

// Replaces the board's connectors and keeps a copy of the record. A record
// of another board or size is an internal error.
void CONFIG_TAVRIN(TMainBoard* pBoard, const TAVRIN_CONFIG& Config);
