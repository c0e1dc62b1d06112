#include "app/BoardFormFactory.h"

#include "boards/Boards.h"
#include "boards/UI_BoardForms.h"

#include <QWidget>

namespace {
std::function<bool(int)> gOfferedForTests;
std::function<QWidget*(int, QWidget*)> gFormsForTests;

const BoardFormRow* ProgramForm(int boardId) {
    for (const BoardFormRow& row : ProgramBoardForms()) {
        if (BoardNumber(row.id) == boardId) {
            return &row;
        }
    }
    return nullptr;
}
} // namespace

bool HasBoardForm(int boardId) {
    if (gFormsForTests) {
        return true;
    }
    return ProgramForm(boardId) != nullptr && FindBoard(boardId) != nullptr;
}

bool IsBoardOffered(int boardId) {
    if (gOfferedForTests) {
        return gOfferedForTests(boardId);
    }
    return IsBoardAvailable(boardId) && HasBoardForm(boardId);
}

bool OffersOtherBoards() {
    int offered = 0;
    for (int id = 1; id <= 255; ++id) {
        offered += IsBoardOffered(id) ? 1 : 0;
    }
    return offered > 1;
}

QWidget* NewBoardForm(int boardId, QWidget* owner) {
    if (gFormsForTests) {
        return gFormsForTests(boardId, owner);
    }
    const BoardFormRow* row = ProgramForm(boardId);
    return row ? row->create(owner) : nullptr;
}

void SetBoardOfferForTests(std::function<bool(int)> offered) {
    gOfferedForTests = std::move(offered);
}

void SetBoardFormsForTests(std::function<QWidget*(int, QWidget*)> create) {
    gFormsForTests = std::move(create);
}
