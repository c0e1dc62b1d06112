#pragma once
// The pin filler of the Ombrel board (board id 16): FPGA data, the record
// copy the oscillator Verilog reads, the peripheral groups of a record and
// the empty DDR3 SODIMM sockets (connector ids 24 and 25) that the module
// is attached to. Whenever an oscillator controller is written, the clock
// and reset it runs on are made even with CLOCK or the buttons unticked.

#include "boards/stratix5/StratixVConfig.h"
#include "model/MainBoard.h"

// A record of another board or size is an internal error.
void CONFIG_OMBREL(TMainBoard* pBoard, const OMBREL_CONFIG& Config);
