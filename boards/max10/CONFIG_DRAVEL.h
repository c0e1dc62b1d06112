#pragma once
// Pin filler of the Dravel board (board id 32): FPGA data, one connector per
// ticked peripheral group and, when a card is chosen, the empty 40-pin
// header "GPIO" (id 16) whose positions keep 3.3-V LVTTL. The board keeps a
// pointer to the settings object. The card is attached afterwards.

#include "boards/max10/ConfigDravel.h"
#include "model/MainBoard.h"

// Replaces the board's connectors; m_pConfigBoard points to pSettings (not
// owned). A record of another board or size is an internal error.
void CONFIG_DRAVEL(TMainBoard* pBoard, TConfigDravel* pSettings);
// The same for a bare record: the board keeps a settings object made from
// it (m_OwnedConfigBoard).
void CONFIG_DRAVEL(TMainBoard* pBoard, const DRAVEL_CONFIG& Config);
