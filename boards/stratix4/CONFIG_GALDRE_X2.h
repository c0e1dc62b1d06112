#pragma once
// The pin filler of the Galdre_X2 board (board id 7): the pin model of one
// FPGA node. Both FPGAs have the same pinout; the node's own fields decide
// which groups and expansion connectors (DDR2 socket, HSMC-A..D) it gets.

#include "boards/stratix4/GaldreX2Config.h"
#include "model/MainBoard.h"

#include <string>

// The name of the two-wire bus that the LCD, the temperature sensor and the
// EEPROM share: the parts the node uses, joined by "+"; empty for none.
std::string GaldreX2SharedBusName(const GALDRE_X2_NODE& node);

void CONFIG_GALDRE_X2(TMainBoard* pBoard, const GALDRE_X2_CONFIG& Config, int node);
