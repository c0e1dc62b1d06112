#pragma once
// Test helpers of the Arria 10 and Stratix 10 boards: records through the
// board's definition, a pin model, and a golden project checked with the
// real tools.

#include "boards/BoardDef.h"
#include "model/MainBoard.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace a10test {

using Record = std::vector<std::uint8_t>;

Record Defaults(BoardId id);
// Every peripheral of the definition ticked.
Record AllTicked(BoardId id);
void SetI32(Record& record, std::size_t offset, std::int32_t value);
std::unique_ptr<TMainBoard> Filled(BoardId id, const Record& record);

const TPin* FindPin(const TMainBoard& board, const std::string& name);
std::vector<std::string> GroupNames(const TMainBoard& board);
// Null entries of a connector.
int NullEntries(const TConnector& connector);

// Mends and checks the record (named name), builds the model, generates
// <name>.qpf (VHDL when the record asks for it) and compares it with
// tests/boards/golden/<name>, then runs the real-tool checks.
void ExpectGoldenProject(BoardId id, Record record, const std::string& name);

} // namespace a10test
