#pragma once
// A filler's peripheral groups as a table: one row per group in creation
// order, with the record byte that creates it and its pin rows
// (boards/PinTable.h). A row without a byte is a group whose name or pins
// follow several bytes; the filler makes it itself at that place.

#include "boards/PinTable.h"
#include "model/Connector.h"
#include "model/MainBoard.h"
#include "platform/Assert.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>

template <class Record> struct PinGroup {
    const char* name;
    std::uint8_t Record::*option; // nullptr: made by the filler's own step
    std::span<const PinRow> pins;
};

// Every pin a table can make (each group with every byte set), for
// compile-time checks against the board's pin count.
template <class Record> constexpr int CountGroupPins(std::span<const PinGroup<Record>> groups) {
    int count = 0;
    for (const PinGroup<Record>& group : groups) {
        count += CountTablePins(group.pins);
    }
    return count;
}

// A plain group: a connector of type 0, no description, card id -1.
inline std::unique_ptr<TConnector> MakeGroupConnector(const std::string& name,
                                                      std::span<const PinRow> pins) {
    auto connector = std::make_unique<TConnector>(name, "", CONNECTOR_NONE, -1);
    AddPinRows(*connector, {name, pins});
    return connector;
}

// Adds the groups whose byte is set, in table order; a row without a byte
// calls own(board, group) at its place.
template <class Record, class OwnStep>
void AddPinGroups(TMainBoard& board, const Record& config, std::span<const PinGroup<Record>> groups,
                  OwnStep own) {
    for (const PinGroup<Record>& group : groups) {
        if (!group.option) {
            own(board, group);
        } else if (config.*group.option != 0) {
            board.AddConnector(MakeGroupConnector(group.name, group.pins));
        }
    }
}

// A table in which every group has its byte.
template <class Record>
void AddPinGroups(TMainBoard& board, const Record& config,
                  std::span<const PinGroup<Record>> groups) {
    AddPinGroups<Record>(board, config, groups, [](TMainBoard&, const PinGroup<Record>& group) {
        PINSMITH_FAIL(("pin group without its record byte: " + std::string(group.name)).c_str());
    });
}
