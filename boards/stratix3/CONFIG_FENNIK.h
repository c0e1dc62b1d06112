#pragma once
// The pin filler of the Fennik board (board id 6): FPGA data, the peripheral
// groups of a record and the empty expansion connectors (DDR2 socket, the
// two GPIO headers, the four Kirrel ports) that the module and the cards are
// attached to.

#include "boards/stratix3/FennikConfig.h"
#include "model/MainBoard.h"

void CONFIG_FENNIK(TMainBoard* pBoard, const FENNIK_CONFIG& Config);
