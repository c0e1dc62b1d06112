#pragma once
// What the Harvik form and the tests use of the board's rules beyond its
// definition: the preset buttons.

#include "boards/BoardDef.h"
#include "boards/arria10_stratix10/ConfigHarvik.h"

// Every setting back to its default (project name, file type, boxes,
// transceiver clocks), then all four sockets take the kind's module and
// prefixes and its memory clock: DDR4 SODIMM with ECC "DDR4A_".. at
// 300 MHz (the defaults), QDR-II+ "QDR2A_".. at 275 MHz, QDR-IV "QDR4A_"..
// at 266.667 MHz. Kind None is an internal error.
void SetHarvikPreset(RecordSpan record, HarvikMemory kind);

// The form's hidden developer export: the pin list of every HSMC card of
// the Falmor board's list (board 34's card rules, 3.3-V LVTTL) into
// <folder>hsmc/<short name>.txt, the hsmc folder made when missing. False
// when the folder cannot be made or a file cannot be written; the export
// stops there and the files written so far stay.
bool ExportHarvikHsmcPinLists(const std::string& folder);
