#pragma once
// The pin filler of the Calvet board (board id 31): FPGA data of the chosen
// variant, one connector per ticked peripheral group, the clock chips'
// control and reference-clock pins, and the empty expansion connectors (DDR3
// SODIMM socket, 2x20 GPIO header, FMC ports A..D) that carry a card. The
// board keeps a pointer to the settings object, whose slots write the
// clock chips' project text. Whenever a clock chip is in use, the clock and
// reset its controller runs on are made even with CLOCK or KEY unticked.

#include "boards/stratix5/ConfigCalvet.h"
#include "model/MainBoard.h"

// Replaces the board's connectors; m_pConfigBoard points to pSettings (not
// owned). A record of another board or size is an internal error.
void CONFIG_CALVET(TMainBoard* pBoard, TConfigCalvet* pSettings);
// The same for a bare record: the board keeps a settings object made from
// it (m_OwnedConfigBoard).
void CONFIG_CALVET(TMainBoard* pBoard, const CALVET_CONFIG& Config);
