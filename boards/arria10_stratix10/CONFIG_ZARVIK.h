#pragma once
// Pin filler of the Zarvik board: FPGA data, one group per ticked
// peripheral, the DDR3 sockets as expansion connectors (204 placeholder
// positions, then the socket's reference clock), and the groups of the
// Si5340 chips in use with the clock and reset inputs their controllers
// read. The board keeps a pointer to the settings object, whose text the
// project writer asks for.

#include "boards/arria10_stratix10/ConfigZarvik.h"
#include "model/MainBoard.h"

// Replaces the board's connectors; m_pConfigBoard points to pSettings (not
// owned). A record of another board or size, or a variant without a
// device, is an internal error.
void CONFIG_ZARVIK(TMainBoard* pBoard, TConfigZarvik* pSettings);
// The same for a bare record: the board keeps a settings object made from
// it (m_OwnedConfigBoard).
void CONFIG_ZARVIK(TMainBoard* pBoard, const ZARVIK_CONFIG& Config);
