#pragma once
// The shape the Cyclone V GPIO boards' fillers share: the board's
// peripheral groups as a table keyed by record offsets (a group is made when
// its option byte in the settings record is set) and the empty expansion
// connectors of its 40-pin GPIO headers. (boards/PinGroups.h keys its groups
// by the record's member pointers instead.)

#include "boards/BoardDef.h"
#include "boards/PinTable.h"

#include <cstddef>
#include <span>
#include <string_view>

class TMainBoard;

// One peripheral group: a connector of type 0 with an empty description and
// card id -1, made when the record's option byte is set (or the second one,
// for a group that two options share).
struct OptionPinGroup {
    const char* name;
    std::size_t option;     // record offset of the option byte
    std::size_t alsoOption; // a second option byte that makes it too; 0: none
    std::span<const PinRow> pins;
};

// Appends the groups the record selects, in table order.
void AddOptionPinGroups(TMainBoard& board, ConstRecordSpan record,
                        std::span<const OptionPinGroup> groups);

// The FPGA data every filler sets.
struct FpgaData {
    const char* family;
    const char* device;
    const char* package;
    int pinCount;
    const char* speedGradeText;
};
void SetFpgaData(TMainBoard& board, const FpgaData& fpga);

// Two 40-pin GPIO headers, each given by its 40 locations (PinTable.h's
// header notation). With no card nothing is made. An 80-pin card on GPIO-0
// takes both headers: one connector "GPIO_0_1" (id 18) of 80 positions; it
// must be named on GPIO-1 too (an internal error otherwise). Else each
// header with a card gets "GPIO_0" (id 16) or "GPIO_1" (id 17).
void AddGpioHeaderPair(TMainBoard& board, CardId card0, CardId card1, std::string_view locations0,
                       std::string_view locations1);

// A board's single 40-pin header: "GPIO" (id 16) when it has a card.
void AddSingleGpioHeader(TMainBoard& board, CardId card, std::string_view locations);
