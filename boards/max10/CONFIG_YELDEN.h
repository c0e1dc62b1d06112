#pragma once
// Pin filler of the Yelden board (board id 26): FPGA data, one connector per
// ticked peripheral group, with the pins of the record's board revision, and
// the BeagleBone Black header group of the record's header mode. The board
// has no expansion connector.

#include "boards/max10/YeldenConfig.h"
#include "model/MainBoard.h"

// Replaces the board's connectors. The record must carry this board's id
// and size (internal errors otherwise). A revision other than 0 (A) or 1 (B)
// is revision C; a header mode of 3 or more is BBB Mode 7.
void CONFIG_YELDEN(TMainBoard* pBoard, const YELDEN_CONFIG& Config);
