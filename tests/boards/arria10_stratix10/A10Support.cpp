#include "A10Support.h"

#include "boards/BoardRules.h"
#include "boards/Boards.h"

#include <gtest/gtest.h>

namespace a10test {

Record Defaults(BoardId id) {
    const BoardDef& def = *FindBoard(id);
    Record record(def.record.size);
    SetDefaultRecord(def, record);
    return record;
}

Record AllTicked(BoardId id) {
    Record record = Defaults(id);
    for (const std::size_t offset : FindBoard(id)->peripherals) {
        record[offset] = 1;
    }
    return record;
}

void SetI32(Record& record, std::size_t offset, std::int32_t value) {
    for (int i = 0; i < 4; ++i) {
        record[offset + static_cast<std::size_t>(i)] =
            static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> (8 * i));
    }
}

std::unique_ptr<TMainBoard> Filled(BoardId id, const Record& record) {
    auto board = std::make_unique<TMainBoard>();
    FillBoard(*FindBoard(id), *board, record);
    return board;
}

const TPin* FindPin(const TMainBoard& board, const std::string& name) {
    for (int i = 0; i < board.GetConnectorCount(); ++i) {
        const TConnector& c = *board.GetConnector(i);
        for (int j = 0; j < c.GetPinCount(); ++j) {
            if (const TPin* p = c.GetPin(j); p && p->GetName() == name) {
                return p;
            }
        }
    }
    return nullptr;
}

std::vector<std::string> GroupNames(const TMainBoard& board) {
    std::vector<std::string> names;
    for (int i = 0; i < board.GetConnectorCount(); ++i) {
        names.push_back(board.GetConnector(i)->GetName());
    }
    return names;
}

int NullEntries(const TConnector& connector) {
    int n = 0;
    for (int j = 0; j < connector.GetPinCount(); ++j) {
        n += connector.GetPin(j) == nullptr ? 1 : 0;
    }
    return n;
}

} // namespace a10test
