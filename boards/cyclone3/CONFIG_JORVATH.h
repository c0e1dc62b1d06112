#pragma once
// Pin filler of the Jorvath board (board id 11): a Cyclone III board with a
// PCI bridge, four peripheral groups, a DDR2 SODIMM socket and two Kirrel
// expansion connectors: FPGA data, one connector per ticked group, the
// empty socket when DDR2 is ticked and an empty Kirrel connector for each
// port that carries a card. Module and cards are attached afterwards.

#include "boards/cyclone3/JorvathConfig.h"
#include "model/MainBoard.h"

// Replaces the board's connectors. The record must carry this board's id
// and size (internal errors otherwise).
void CONFIG_JORVATH(TMainBoard* pBoard, const JORVATH_CONFIG& Config);
