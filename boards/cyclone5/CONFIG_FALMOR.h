#pragma once
// Pin filler of the Falmor board: FPGA data, one connector per ticked
// peripheral group (the HPS pins among them, without locations) and the
// empty expansion connectors (GPIO header, HSMC) that carry a card. The
// board keeps a pointer to the settings object, whose record the board's
// .sdc text reads. The cards are attached afterwards.

#include "boards/cyclone5/ConfigFalmor.h"
#include "model/MainBoard.h"

// Replaces the board's connectors; m_pConfigBoard points to pSettings (not
// owned). A record of another board or size is an internal error.
void CONFIG_Falmor(TMainBoard* pBoard, TConfigFalmor* pSettings);
// The same for a bare record: the board keeps a settings object made from
// it (m_OwnedConfigBoard).
void CONFIG_Falmor(TMainBoard* pBoard, const FALMOR_CONFIG& Config);
