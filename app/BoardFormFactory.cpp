#include "app/BoardFormFactory.h"

#include "boards/cyclone5/UI_Ilmarch.h"
#include "model/MainBoard.h"

#include <QWidget>

namespace {
std::function<bool(int)> gOfferedForTests;
std::function<QWidget*(int, QWidget*)> gFormsForTests;

QWidget* NewProgramBoardForm(int boardId, QWidget* owner) {
    switch (boardId) {
    case BoardNumber(MAINBOARD_ILMARCH):
        return new TFormIlmarch(owner);
    default:
        // The other boards' forms are not part of this program.
        (void)owner;
        return nullptr;
    }
}

bool ProgramHasBoardForm(int boardId) {
    switch (boardId) {
    case BoardNumber(MAINBOARD_ILMARCH):
        return true;
    default:
        return false;
    }
}
} // namespace

bool HasBoardForm(int boardId) {
    if (gFormsForTests) {
        return true;
    }
    return ProgramHasBoardForm(boardId);
}

bool IsBoardOffered(int boardId) {
    if (gOfferedForTests) {
        return gOfferedForTests(boardId);
    }
    return IsBoardAvailable(boardId) && HasBoardForm(boardId);
}

QWidget* NewBoardForm(int boardId, QWidget* owner) {
    if (gFormsForTests) {
        return gFormsForTests(boardId, owner);
    }
    return NewProgramBoardForm(boardId, owner);
}

void SetBoardOfferForTests(std::function<bool(int)> offered) {
    gOfferedForTests = std::move(offered);
}

void SetBoardFormsForTests(std::function<QWidget*(int, QWidget*)> create) {
    gFormsForTests = std::move(create);
}
