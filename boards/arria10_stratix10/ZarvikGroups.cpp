#include "boards/arria10_stratix10/ZarvikGroups.h"

#include "boards/arria10_stratix10/Si5340Family.h"
#include "platform/Assert.h"

namespace zarvikgroups {

Group::Group(const std::string& name)
    : connector(std::make_unique<TConnector>(name, "", CONNECTOR_NONE, -1)) {}

Group& Group::Add(std::span<const PinRow> rows) {
    AddPinRows(*connector, {connector->GetName(), rows});
    return *this;
}

void Group::AddTo(TMainBoard& board) {
    board.AddConnector(std::move(connector));
}

void AddGroup(TMainBoard& board, const std::string& name, std::span<const PinRow> rows) {
    Group group(name);
    group.Add(rows);
    group.AddTo(board);
}

void AddMemorySocket(TMainBoard& board, const MemorySocket& socket, double refClockMHz) {
    auto connector =
        MakeExpansionConnector(socket.name, socket.description, socket.type, socket.id);
    const int positions = AddHeaderPositions(*connector, socket.locations);
    PINSMITH_ASSERT(positions == socket.positions);
    connector->AddPin(
        si5340::ReferenceClock(socket.refClock, socket.refClockLocation, IOSTD_LVDS, refClockMHz));
    board.AddConnector(std::move(connector));
}

} // namespace zarvikgroups
