#pragma once
// The board registry: one definition per board id, in id order. A board
// registers itself in its folder: its <Board>Board.cpp ends with a
// BoardRegistrar of its definition (and its form's file with a
// BoardFormRegistrar, boards/UI_BoardForms.h); see CONTRIBUTING.md.

#include "boards/BoardDef.h"

#include <span>

// Registers a definition while it lives: one object per board, at namespace
// scope of its <Board>Board.cpp (a test may register a board of its own for
// a scope). Two definitions of one id stop the program.
class BoardRegistrar {
public:
    explicit BoardRegistrar(const BoardDef& def);
    ~BoardRegistrar();
    BoardRegistrar(const BoardRegistrar&) = delete;
    BoardRegistrar& operator=(const BoardRegistrar&) = delete;

private:
    const BoardDef* def_;
};

// The definition of a board id; nullptr for an id without a board.
const BoardDef* FindBoard(BoardId id);
const BoardDef* FindBoard(int id);
// The card rules of a board id; the default rules for an id without a
// board.
const CardRules& BoardCardRules(BoardId board);
// Every definition, in id order.
std::span<const BoardDef* const> AllBoards();

// Whether this build offers the board (PINSMITH_OFFERED_BOARDS: a list of
// ids or "all"), and the board it opens at start (PINSMITH_START_BOARD; 0
// opens the board selector).
bool IsBoardAvailable(int boardId);
int StartBoardId();
