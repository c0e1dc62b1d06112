#pragma once
// Pin filler of the Gristel board: FPGA data, one group per ticked
// peripheral, the memory-module socket (260 placeholder positions) and the
// FMC connector (400 placeholder positions, then the board's FMC_REFCLK_p
// and FMC_RZQ) when they carry a card. The board keeps a pointer to the
// settings object.

#include "boards/arria10_stratix10/ConfigGristel.h"
#include "model/MainBoard.h"

// The single-ended standard of the FMC bank at a voltage code of the
// record: 1.8 V (code 2 and any unknown code), 1.5 V (3), 1.2 V (4).
IoStd GristelFmcStandard(std::int32_t fmcVoltage);

// Replaces the board's connectors; m_pConfigBoard points to pSettings (not
// owned). A record of another board or size is an internal error.
void CONFIG_GRISTEL(TMainBoard* pBoard, TConfigGristel* pSettings);
// The same for a bare record: the board keeps a settings object made from
// it (m_OwnedConfigBoard).
void CONFIG_GRISTEL(TMainBoard* pBoard, const GRISTEL_CONFIG& Config);
