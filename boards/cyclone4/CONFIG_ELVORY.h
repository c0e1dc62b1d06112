#pragma once
// Pin filler of the Elvory board (board id 5): a Cyclone IV E board with
// twenty-two peripheral groups, a 40-pin GPIO header and an HSMC connector
// whose I/O voltages jumpers set. The on-board pins that share a bank with
// either connector take that bank's standard; the cards are attached
// afterwards.

#include "boards/cyclone4/ElvoryConfig.h"
#include "model/MainBoard.h"
#include "model/Pin.h"

// The standard of the GPIO header's banks: by the GPIO voltage index.
IoStd ElvoryGpioBankStandard(const ELVORY_CONFIG& Config);
// The standard of the HSMC connector's banks: by the HSMC voltage index
// while the HSMC is in use (a card, or a voltage other than the default
// 2.5 V), else 3.3-V LVTTL.
IoStd ElvoryHsmcBankStandard(const ELVORY_CONFIG& Config);

// Replaces the board's connectors. The record must carry this board's id
// and size and voltage indexes 0 to 3 (internal errors otherwise). The GPIO
// header's connector is made for the record's GPIO card: at a GPIO voltage
// other than 3.3 V the caller puts that voltage's GPIO Default card there.
void CONFIG_ELVORY(TMainBoard* pBoard, const ELVORY_CONFIG& Config);
