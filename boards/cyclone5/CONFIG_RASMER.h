#pragma once
// Pin filler of the Rasmer board: FPGA data, one connector per ticked
// peripheral group and the empty expansion connectors (GPIO header, HSMC)
// that carry a card. The cards are attached afterwards.

#include "boards/cyclone5/RasmerConfig.h"
#include "model/MainBoard.h"

// Replaces the board's connectors. A record of another board or size is an
// internal error.
void CONFIG_RASMER(TMainBoard* pBoard, const RASMER_CONFIG& Config);
