#include "boards/Boards.h"

#include <algorithm>
#include <iterator>

extern const BoardDef kAlvekBoard;
extern const BoardDef kBressaBoard;
extern const BoardDef kCorvinBoard;
extern const BoardDef kDunmarBoard;
extern const BoardDef kElvoryBoard;
extern const BoardDef kFennikBoard;
extern const BoardDef kGaldreX2Board;
extern const BoardDef kGaldreX1Board;
extern const BoardDef kHollinBoard;
extern const BoardDef kIstrelBoard;
extern const BoardDef kJorvathBoard;
extern const BoardDef kKelmisBoard;
extern const BoardDef kLorskBoard;
extern const BoardDef kMarwenBoard;
extern const BoardDef kNolvarBoard;
extern const BoardDef kOmbrelBoard;
extern const BoardDef kOmbrel2Board;
extern const BoardDef kPellixBoard;
extern const BoardDef kQuindleBoard;
extern const BoardDef kRasmerBoard;
extern const BoardDef kSollenBoard;
extern const BoardDef kTavrinBoard;
extern const BoardDef kUlvaneBoard;
extern const BoardDef kVessorBoard;
extern const BoardDef kWendalBoard;
extern const BoardDef kYeldenBoard;
extern const BoardDef kZarvikBoard;
extern const BoardDef kZarvikDdr4Board;
extern const BoardDef kBrovanBoard;
extern const BoardDef kCalvetBoard;
extern const BoardDef kDravelBoard;
extern const BoardDef kEspernBoard;
extern const BoardDef kFalmorBoard;
extern const BoardDef kGristelBoard;
extern const BoardDef kHarvikBoard;
extern const BoardDef kIlmarchBoard;
extern const BoardDef kJorkelBoard;
extern const BoardDef kKelvaneBoard;
extern const BoardDef kLumbrelBoard;

namespace {

// clang-format off
const BoardDef* const kBoards[] = {
    &kAlvekBoard, // 1
    &kBressaBoard, // 2
    &kCorvinBoard, // 3
    &kDunmarBoard, // 4
    &kElvoryBoard, // 5
    &kFennikBoard, // 6
    &kGaldreX2Board, // 7
    &kGaldreX1Board, // 8
    &kHollinBoard, // 9
    &kIstrelBoard, // 10
    &kJorvathBoard, // 11
    &kKelmisBoard, // 12
    &kLorskBoard, // 13
    &kMarwenBoard, // 14
    &kNolvarBoard, // 15
    &kOmbrelBoard, // 16
    &kOmbrel2Board, // 17
    &kPellixBoard, // 18
    &kQuindleBoard, // 19
    &kRasmerBoard, // 20
    &kSollenBoard, // 21
    &kTavrinBoard, // 22
    &kUlvaneBoard, // 23
    &kVessorBoard, // 24
    &kWendalBoard, // 25
    &kYeldenBoard, // 26
    &kZarvikBoard, // 27
    &kZarvikDdr4Board, // 28
    &kBrovanBoard, // 30
    &kCalvetBoard, // 31
    &kDravelBoard, // 32
    &kEspernBoard, // 33
    &kFalmorBoard, // 34
    &kGristelBoard, // 35
    &kHarvikBoard, // 36
    &kIlmarchBoard, // 37
    &kJorkelBoard, // 50
    &kKelvaneBoard, // 100
    &kLumbrelBoard, // 101
};
// clang-format on

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

const BoardDef* FindBoard(BoardId id) {
    for (const BoardDef* def : kBoards) {
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
    return kBoards;
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
