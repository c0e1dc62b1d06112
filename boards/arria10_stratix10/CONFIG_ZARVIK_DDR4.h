#pragma once
// Pin filler of Zarvik's DDR4 edition: FPGA data, one group per ticked
// peripheral, the DDR4 sockets as expansion connectors (260 placeholder
// positions, then the socket's reference clock), and the groups of the
// Si5340 chips in use with the clock and reset inputs their controllers
// read. The board keeps a pointer to the settings object.

#include "boards/arria10_stratix10/ConfigZarvikDdr4.h"
#include "model/MainBoard.h"

// Replaces the board's connectors; m_pConfigBoard points to pSettings (not
// owned). A record of another board or size is an internal error.
void CONFIG_ZARVIK_DDR4(TMainBoard* pBoard, TConfigZarvik_DDR4* pSettings);
// The same for a bare record: the board keeps a settings object made from
// it (m_OwnedConfigBoard).
void CONFIG_ZARVIK_DDR4(TMainBoard* pBoard, const ZARVIK_DDR4_CONFIG& Config);
