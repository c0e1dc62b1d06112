#pragma once
// Pin filler of the Harvik board: FPGA data, one group per ticked
// peripheral (CLOCK and BUTTON also whenever a clock chip is used, for its
// controller), the groups of the Si5340A chips in use, the QSFP28 ports,
// and per memory socket that holds a module its RZQ and reference-clock
// pins and an expansion connector of 260 positions. The board keeps a
// pointer to the settings object.

#include "boards/arria10_stratix10/ConfigHarvik.h"
#include "model/MainBoard.h"

// The standard of banks A and C: 1.8 V with a QDR-II+ module in socket A
// (socket C), else 1.2 V.
IoStd HarvikBankStandard(const HARVIK_CONFIG& Config, int socket);

// Replaces the board's connectors; m_pConfigBoard points to pSettings (not
// owned). A record of another board or size, or a socket card other than
// 0 and 77..80, is an internal error.
void CONFIG_HARVIK(TMainBoard* pBoard, TConfigHarvik* pSettings);
// The same for a bare record: the board keeps a settings object made from
// it (m_OwnedConfigBoard).
void CONFIG_HARVIK(TMainBoard* pBoard, const HARVIK_CONFIG& Config);
