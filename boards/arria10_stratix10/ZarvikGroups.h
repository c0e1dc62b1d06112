#pragma once
// The group helpers of the Arria 10 boards' fillers: a peripheral group
// built from pin tables, and a memory socket whose placeholder positions
// are followed by the socket's reference clock.

#include "boards/PinTable.h"
#include "model/MainBoard.h"

#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace zarvikgroups {

// A group (type 0, empty description, card id -1) filled from tables and
// added to the board with Add.
struct Group {
    std::unique_ptr<TConnector> connector;
    explicit Group(const std::string& name);
    Group& Add(std::span<const PinRow> rows);
    void AddTo(TMainBoard& board);
};

void AddGroup(TMainBoard& board, const std::string& name, std::span<const PinRow> rows);

// A memory socket: an expansion connector with one entry per socket
// position (placeholders where the socket has an FPGA pin) and then its
// reference clock, which a module merged onto the positions leaves alone.
struct MemorySocket {
    const char* name;
    const char* description;
    ConnectorType type;
    ConnectorId id;
    std::string_view locations;
    int positions;
    const char* refClock;
    const char* refClockLocation;
};
void AddMemorySocket(TMainBoard& board, const MemorySocket& socket, double refClockMHz);

} // namespace zarvikgroups
