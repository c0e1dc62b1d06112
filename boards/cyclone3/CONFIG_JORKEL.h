#pragma once
// Pin filler of the Jorkel board (board id 50): a Cyclone III board with five
// peripheral groups and one HSMC connector: FPGA data, one connector per
// ticked group and an empty HSMC connector when a card is chosen. The card
// is attached afterwards.

#include "boards/cyclone3/JorkelConfig.h"
#include "model/MainBoard.h"

// Replaces the board's connectors. The record must carry this board's id
// and size (internal errors otherwise).
void CONFIG_JORKEL(TMainBoard* pBoard, const JORKEL_CONFIG& Config);
