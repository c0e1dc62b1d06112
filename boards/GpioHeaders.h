#pragma once
// The expansion connectors of a board's two 40-pin GPIO headers, made the
// same way by every filler of a two-header board: nothing without a card;
// one 80-position connector "GPIO_0_1" (id 18) when one 80-pin card takes
// both headers; otherwise "GPIO_0" (id 16) and "GPIO_1" (id 17) for the
// headers that hold a card.

#include "model/CardCatalogue.h"

#include <string_view>

class TMainBoard;

// Whether one 80-pin card takes both headers: both hold the same card of
// connector type 4. The fillers and the attach rule of the board rules use
// this one test, so a connector is made exactly where a card is attached.
bool HeadersHoldEightyPinCard(CardId header0, CardId header1);

// Whether the board can put one card over both headers.
enum class HeaderPairing { EightyPinPair, Separate };

// Adds the headers' expansion connectors for the cards. The header tables
// are those of boards/PinTable.h, 40 positions each.
void AddGpioHeaderConnectors(TMainBoard& board, std::string_view header0, std::string_view header1,
                             CardId card0, CardId card1, HeaderPairing pairing);
