#pragma once
// The board forms this program carries: one row per board whose form
// exists, registered by a BoardFormRegistrar at the end of the form's file.
// A board is offered when the build offers it (boards/Boards.h) and its form
// is in this table.

#include "model/BoardId.h"

#include <span>

class QWidget;

struct BoardFormRow {
    BoardId id;
    QWidget* (*create)(QWidget* owner); // a new form with owner as owner and parent
};

// Every registered form, in board id order.
std::span<const BoardFormRow> ProgramBoardForms();

// Registers a board's form at static initialisation: one object per form,
// at namespace scope of its UI_<Board>.cpp. Two forms of one id stop the
// program.
struct BoardFormRegistrar {
    BoardFormRegistrar(BoardId id, QWidget* (*create)(QWidget* owner));
};

template <class Form> QWidget* MakeBoardForm(QWidget* owner) {
    return new Form(owner);
}
