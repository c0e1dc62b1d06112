#include "boards/Boards.h"

#include "platform/Assert.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace {

// The registry, filled before main by the registrars of the board folders
// and kept in id order.
std::vector<const BoardDef*>& Registry() {
    static std::vector<const BoardDef*> boards;
    return boards;
}

// The build's list of offered boards and its start board (CMake cache
// variables PINSMITH_OFFERED_BOARDS and PINSMITH_START_BOARD). The list -1
// stands for every board of the registry.
#ifndef PINSMITH_OFFERED_BOARDS
#define PINSMITH_OFFERED_BOARDS 37
#endif
#ifndef PINSMITH_START_BOARD
#define PINSMITH_START_BOARD 37
#endif
constexpr int kOfferedBoards[] = {PINSMITH_OFFERED_BOARDS};
constexpr bool kOffersAll = std::size(kOfferedBoards) == 1 && kOfferedBoards[0] == -1;

} // namespace

BoardRegistrar::BoardRegistrar(const BoardDef& def) : def_(&def) {
    std::vector<const BoardDef*>& boards = Registry();
    const auto at =
        std::lower_bound(boards.begin(), boards.end(), def.id, [](const BoardDef* row, BoardId id) {
            return BoardNumber(row->id) < BoardNumber(id);
        });
    PINSMITH_ASSERT(def.id != MAINBOARD_NONE && (at == boards.end() || (*at)->id != def.id));
    boards.insert(at, &def);
}

BoardRegistrar::~BoardRegistrar() {
    std::vector<const BoardDef*>& boards = Registry();
    boards.erase(std::remove(boards.begin(), boards.end(), def_), boards.end());
}

const BoardDef* FindBoard(BoardId id) {
    for (const BoardDef* def : Registry()) {
        if (def->id == id) {
            return def;
        }
    }
    return nullptr;
}

const BoardDef* FindBoard(int id) {
    if (id < 0 || id > 255) {
        return nullptr;
    }
    return FindBoard(static_cast<BoardId>(id));
}

const CardRules& BoardCardRules(BoardId board) {
    static const CardRules kDefault{};
    const BoardDef* def = FindBoard(board);
    return def ? def->cardRules : kDefault;
}

std::span<const BoardDef* const> AllBoards() {
    return Registry();
}

bool IsBoardAvailable(int boardId) {
    if (FindBoard(boardId) == nullptr) {
        return false;
    }
    return kOffersAll || std::find(std::begin(kOfferedBoards), std::end(kOfferedBoards), boardId) !=
                             std::end(kOfferedBoards);
}

int StartBoardId() {
    return PINSMITH_START_BOARD;
}
