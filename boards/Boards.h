#pragma once
// The board registry: one definition per board id, in id order. Adding a
// board is a row here (and, once it has a form, a row in
// boards/UI_BoardForms.cpp); see CONTRIBUTING.md.

#include "boards/BoardDef.h"

#include <span>

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
