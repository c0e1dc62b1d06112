#pragma once
// The HSMC connector of the Cyclone IV boards with one HSMC port (Elvory,
// Lorsk, Marwen): "HSMC" (id 8), made only when the record names a card.

#include "model/CardCatalogue.h"
#include "model/Pin.h"

#include <optional>
#include <string_view>

class TMainBoard;

// The connector's clock input (position 40, CLKIN0) on boards that fix it:
// an input at the given standard, whatever the card's map says; only its
// name comes from the card.
inline constexpr int kHsmcClockInputPosition = 40;

// Adds the connector with its 160 positions (boards/PinTable.h's header
// notation) when card is not None.
void AddHsmcConnector(TMainBoard& board, CardId card, std::string_view locations,
                      std::optional<IoStd> clockInputStandard);
