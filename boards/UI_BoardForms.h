#pragma once
// The board forms this program carries: one row per board whose form
// exists. A board is offered when the build offers it (boards/Boards.h) and
// its form is in this table.

#include "model/MainBoard.h"

#include <span>

class QWidget;

struct BoardFormRow {
    BoardId id;
    QWidget* (*create)(QWidget* owner); // a new form with owner as owner and parent
};

std::span<const BoardFormRow> ProgramBoardForms();
