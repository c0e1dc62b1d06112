#pragma once
// What the pin fillers of the Stratix V boards share: plain groups from
// row tables, reference-clock pins whose frequency text comes from an
// oscillator choice, and the frequency texts themselves.

#include "boards/PinTable.h"
#include "model/Connector.h"
#include "model/MainBoard.h"
#include "model/Pin.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace stratix5 {

inline constexpr PinDirection IN = PIN_DIR_INPUT;
inline constexpr PinDirection OUT = PIN_DIR_OUTPUT;
inline constexpr PinDirection IO = PIN_DIR_INOUT;

// A plain group (no expansion connector) without pins.
std::unique_ptr<TConnector> Group(const std::string& name);
// A plain group of the rows of one or more tables, added to the board.
void AddGroup(TMainBoard& board, const std::string& name, std::span<const PinRow> rows);

// An input pin with a frequency text; an empty text leaves a plain input.
std::unique_ptr<TPin> ReferenceClock(const std::string& name, const std::string& location,
                                     IoStd ioStandard, const std::string& frequency);

// "%.5f MHz" of the Si570 choice and "%.2f MHz" of a CDCM choice (the item
// index of the list the board shows); empty for a choice without a
// frequency. Only the choice's low byte counts, as on the form.
std::string Si570Frequency(std::int32_t choice);
std::string CdcmFrequency(std::int32_t choice);      // lists without "Unchanged"
std::string CdcmComboFrequency(std::int32_t choice); // Ombrel's lists

// Appends one placeholder per position of the socket map ("-" for none)
// as an expansion connector with that id; returns the number of positions.
int AddSocket(TMainBoard& board, const std::string& name, const std::string& description,
              ConnectorType type, ConnectorId id, const char* positions);

} // namespace stratix5
