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

// The flash's address bus on Zarvik and its DDR4 edition: FLASH_A[1..26]
// (it has no bit 0).
// clang-format off
inline constexpr PinRow kFlashAddress[] = {
    {"FLASH_A[1]", "H26", PIN_DIR_OUTPUT, IOSTD_1V8},
    {"FLASH_A[2]", "J18", PIN_DIR_OUTPUT, IOSTD_1V8},
    {"FLASH_A[3]", "N17", PIN_DIR_OUTPUT, IOSTD_1V8},
    {"FLASH_A[4]", "P15", PIN_DIR_OUTPUT, IOSTD_1V8},
    {"FLASH_A[5]", "B18", PIN_DIR_OUTPUT, IOSTD_1V8},
    {"FLASH_A[6]", "E18", PIN_DIR_OUTPUT, IOSTD_1V8},
    {"FLASH_A[7]", "D18", PIN_DIR_OUTPUT, IOSTD_1V8},
    {"FLASH_A[8]", "J10", PIN_DIR_OUTPUT, IOSTD_1V8},
    {"FLASH_A[9]", "B17", PIN_DIR_OUTPUT, IOSTD_1V8},
    {"FLASH_A[10]", "J11", PIN_DIR_OUTPUT, IOSTD_1V8},
    {"FLASH_A[11]", "H8", PIN_DIR_OUTPUT, IOSTD_1V8},
    {"FLASH_A[12]", "A17", PIN_DIR_OUTPUT, IOSTD_1V8},
    {"FLASH_A[13]", "G8", PIN_DIR_OUTPUT, IOSTD_1V8},
    {"FLASH_A[14]", "G9", PIN_DIR_OUTPUT, IOSTD_1V8},
    {"FLASH_A[15]", "A16", PIN_DIR_OUTPUT, IOSTD_1V8},
    {"FLASH_A[16]", "K11", PIN_DIR_OUTPUT, IOSTD_1V8},
    {"FLASH_A[17]", "B15", PIN_DIR_OUTPUT, IOSTD_1V8},
    {"FLASH_A[18]", "G7", PIN_DIR_OUTPUT, IOSTD_1V8},
    {"FLASH_A[19]", "F6", PIN_DIR_OUTPUT, IOSTD_1V8},
    {"FLASH_A[20]", "A15", PIN_DIR_OUTPUT, IOSTD_1V8},
    {"FLASH_A[21]", "A14", PIN_DIR_OUTPUT, IOSTD_1V8},
    {"FLASH_A[22]", "H6", PIN_DIR_OUTPUT, IOSTD_1V8},
    {"FLASH_A[23]", "T12", PIN_DIR_OUTPUT, IOSTD_1V8},
    {"FLASH_A[24]", "U12", PIN_DIR_OUTPUT, IOSTD_1V8},
    {"FLASH_A[25]", "F7", PIN_DIR_OUTPUT, IOSTD_1V8},
    {"FLASH_A[26]", "B14", PIN_DIR_OUTPUT, IOSTD_1V8},
};
// clang-format on

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
