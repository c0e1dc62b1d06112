#pragma once
// The pin filler of the Hollin board (board id 9): FPGA data, the peripheral
// groups of a record and the empty expansion connectors (DDR3 socket, two
// HSMC and four FMC ports) that the module and the cards are attached to.

#include "boards/stratix4/HollinConfig.h"
#include "model/MainBoard.h"

void CONFIG_HOLLIN(TMainBoard* pBoard, const HOLLIN_CONFIG& Config);
