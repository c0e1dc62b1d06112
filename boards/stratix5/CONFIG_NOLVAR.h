#pragma once
// The pin filler of the Nolvar board (board id 15): FPGA data, the record
// copy the oscillator Verilog reads and the peripheral groups of a record,
// among them the soldered DDR3 and QDRII+ banks and the oscillators'
// reference-clock and control pins. The board has no expansion connector.

#include "boards/stratix5/StratixVConfig.h"
#include "model/MainBoard.h"

// A record of another board or size is an internal error.
void CONFIG_NOLVAR(TMainBoard* pBoard, const NOLVAR_CONFIG& Config);
