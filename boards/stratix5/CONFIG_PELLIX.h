#pragma once
// The pin filler of the Pellix board (board id 18): FPGA data, the record
// copy the oscillator Verilog reads, the peripheral groups of a record, the
// oscillators' reference-clock and control pins and the empty HSMC port A
// (connector id 8) that the card is attached to.

#include "boards/stratix5/StratixVConfig.h"
#include "model/MainBoard.h"

// A record of another board or size is an internal error.
void CONFIG_PELLIX(TMainBoard* pBoard, const PELLIX_CONFIG& Config);
