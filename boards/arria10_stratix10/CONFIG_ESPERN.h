#pragma once
// Pin filler of the Espern board: FPGA data, one group per ticked
// peripheral (no expansion connectors), and the groups of the Si5340 chips
// in use with the whole CLOCK and KEY groups their controllers read. The
// board keeps a pointer to the settings object.

#include "boards/arria10_stratix10/ConfigEspern.h"
#include "model/MainBoard.h"

// Replaces the board's connectors; m_pConfigBoard points to pSettings (not
// owned). A record of another board or size is an internal error.
void CONFIG_ESPERN(TMainBoard* pBoard, TConfigEspern* pSettings);
// The same for a bare record: the board keeps a settings object made from
// it (m_OwnedConfigBoard).
void CONFIG_ESPERN(TMainBoard* pBoard, const ESPERN_CONFIG& Config);
