#pragma once
// Rows and routines that several HSMC and Kirrel maps share.

#include "cards/CardMap.h"
#include "cards/hsmc/HsmcCards.h"

#include <cstdint>
#include <span>
#include <string_view>

// The Teslin card's rows: i2cStd at 33 and 34, 2.5 V elsewhere. The map of
// card 6, and of the Kirrel loopback card over its 180 positions.
std::span<const CardMapRow> TeslinRows();

// The Sorvel card's rows: the map of card 29, which card 36 extends.
std::span<const CardMapRow> SorvelRows();

// Board 8's naming of the HSMC Default card with its transceiver lanes:
// lanes as GXB_ p halves, pairs without D_, OUT for clock output 0 and clock
// pair 1, no present pin. Also the formula naming of card 4.
void FillHsmcFormulaNaming(TConnector& card, IoStd ioStd, XcvrStd xcvrStd);

// A row of the Nimbal cards' adjustment tables: position, name, direction.
struct CARD_PIN_ROW {
    std::int32_t nPin;
    std::string_view szName;
    PinDirection Direction;
};
