#pragma once
// Test helpers of the Arria 10 and Stratix 10 boards: records through the
// board's definition and a pin model (their golden projects go through
// support/Golden.h).

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

} // namespace a10test
