#pragma once
// Pin filler of the Marwen board (board id 14): a Cyclone IV GX board with
// twenty peripheral boxes (two of them the PCI Express interface, as hard or
// soft IP), a 40-pin GPIO header and an HSMC connector. The filler keeps a
// copy of the record in the pin model for the board's project text, makes
// one connector per ticked peripheral group, an empty expansion connector
// for each port that carries a card, and the fan control last, always.

#include "boards/cyclone4/MarwenConfig.h"
#include "model/MainBoard.h"

// Replaces the board's connectors. The record must carry this board's id
// and size (internal errors otherwise).
void CONFIG_MARWEN(TMainBoard* pBoard, const MARWEN_CONFIG& Config);
