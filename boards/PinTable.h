#pragma once
// Board pin tables as data. A board's filler lists its peripheral groups as
// tables of rows; AddPinRows turns a table into pins. A row is one pin, or
// one bus run when its name ends in "[]": the run takes one pin per
// location, numbered from 0.
//
//   locations   FPGA pins without "PIN_", separated by blanks; "~" stands
//               for a pin without a location (the fitter places it)
//   mhz         > 0: a clock pin whose frequency text is "%f MHz"
//   periodNs    > 0: a clock pin given by its period in whole nanoseconds
//   frequency   a clock pin with this frequency text
//   note        the pin's note
//
// Header tables list the FPGA pins of an expansion connector's positions;
// "-" is a position without a signal, and a location followed by ":in" a
// position whose direction is input whatever the card gives.

#include "model/CardCatalogue.h"
#include "model/Connector.h"
#include "model/Pin.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

struct PinRow {
    const char* name;
    const char* locations;
    PinDirection direction;
    IoStd ioStandard;
    float mhz = 0;
    std::int32_t periodNs = 0;
    const char* frequency = nullptr;
    const char* note = nullptr;
};

// The number of blank-separated words of a list: the pins a row makes, or
// the positions of a header table. For compile-time checks of the tables'
// lengths.
constexpr int CountLocations(std::string_view list) {
    int count = 0;
    bool inWord = false;
    for (const char c : list) {
        if (c == ' ') {
            inWord = false;
        } else if (!inWord) {
            inWord = true;
            ++count;
        }
    }
    return count;
}
// The words of a list that equal word.
constexpr int CountWords(std::string_view list, std::string_view word) {
    int count = 0;
    std::size_t i = 0;
    while (i < list.size()) {
        if (list[i] == ' ') {
            ++i;
            continue;
        }
        const std::size_t end = list.find(' ', i);
        const std::string_view found =
            list.substr(i, end == std::string_view::npos ? list.size() - i : end - i);
        count += found == word ? 1 : 0;
        i += found.size();
    }
    return count;
}
// The positions of a header table that carry a pin (every word but "-").
constexpr int CountHeaderPins(std::string_view list) {
    return CountLocations(list) - CountWords(list, "-");
}
// The locations of the row named so (a bus as "NAME[]"); -1 without one.
constexpr int CountRowLocations(std::span<const PinRow> rows, std::string_view name) {
    for (const PinRow& row : rows) {
        if (std::string_view(row.name) == name) {
            return CountLocations(row.locations);
        }
    }
    return -1;
}
constexpr int CountTablePins(std::span<const PinRow> rows) {
    int count = 0;
    for (const PinRow& row : rows) {
        count += CountLocations(row.locations);
    }
    return count;
}

// A named table: the name goes into the message of a malformed table.
struct PinTable {
    std::string_view name;
    std::span<const PinRow> rows;
};

// Appends the table's pins to the connector. A malformed row (a bus name
// with no location, a single pin with several, a direction other than 1 to
// 3, two clock settings) is an internal error naming the table and the row.
void AddPinRows(TConnector& connector, const PinTable& table);

// Appends one placeholder entry per header position: the FPGA location, with
// direction and standard left to the card (the direction fixed to input for
// "<location>:in"); "-" appends an empty entry. Returns the number of
// positions.
int AddHeaderPositions(TConnector& connector, std::string_view locations);
// The same with the standard of every position fixed: the card's standard
// does not reach these pins.
int AddHeaderPositions(TConnector& connector, std::string_view locations, IoStd fixedStandard);

// The expansion connector of a lettered card port: named by the format
// ("HSMC-%c") with 'A' + index, described "<name> connect to <card's name>",
// one position per word of the header table, which must hold that many.
std::unique_ptr<TConnector> MakeLetteredPortConnector(const char* nameFormat, int index,
                                                      CardId card, ConnectorType type,
                                                      ConnectorId id, std::string_view locations,
                                                      int positions);

// An empty expansion connector of the given type and id, without a card.
std::unique_ptr<TConnector> MakeExpansionConnector(const std::string& name,
                                                   const std::string& description,
                                                   ConnectorType type, ConnectorId id);
