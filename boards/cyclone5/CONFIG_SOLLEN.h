#pragma once
// Pin filler of the Sollen board: FPGA data, one connector per ticked
// peripheral group and the empty expansion connectors of the GPIO headers
// that carry a card. The cards are attached afterwards.

#include "boards/cyclone5/SollenConfig.h"
#include "model/MainBoard.h"

// Replaces the board's connectors and keeps a copy of the record. A record
// of another board or size is an internal error.
void CONFIG_SOLLEN(TMainBoard* pBoard, const SOLLEN_CONFIG& Config);
