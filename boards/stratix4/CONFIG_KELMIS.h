#pragma once
// The pin filler of the Kelmis board (board id 12): FPGA data, the
// peripheral groups of a record and the empty expansion connectors (DDR3
// socket, the GPIO headers of port C, the six HSMC ports) that the cards
// are attached to.

#include "boards/stratix4/KelmisConfig.h"
#include "model/MainBoard.h"
#include "model/Pin.h"

// The standard of the FPGA bank port n (0 = A .. 5 = F) shares with board
// pins: the voltage class of the port's card, 2.5 V without one.
IoStd KelmisHsmcIoStandard(const KELMIS_CONFIG& Config, int port);

void CONFIG_KELMIS(TMainBoard* pBoard, const KELMIS_CONFIG& Config);
