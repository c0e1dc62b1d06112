#pragma once
// The pin filler of the Kelvane board (board id 100): FPGA data, the
// peripheral groups of a record and the empty expansion connectors (DDR2
// socket, HSMC-A and -B) that the module and the cards are attached to.

#include "boards/arria2/KelvaneConfig.h"
#include "model/MainBoard.h"

void CONFIG_KELVANE(TMainBoard* pBoard, const KELVANE_CONFIG& Config);
