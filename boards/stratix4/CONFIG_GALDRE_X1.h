#pragma once
// The pin filler of the Galdre_X1 board (board id 8): FPGA data, the
// peripheral groups of a record and the empty expansion connectors (two DDR2
// sockets, two GPIO headers, two HSMC ports) that the cards are attached to.

#include "boards/stratix4/GaldreX1Config.h"
#include "model/MainBoard.h"

void CONFIG_GALDRE_X1(TMainBoard* pBoard, const GALDRE_X1_CONFIG& Config);
