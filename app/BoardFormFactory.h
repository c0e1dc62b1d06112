#pragma once
// Which board forms this program carries, and their construction. A board
// the build offers (IsBoardAvailable, boards/Boards.h) is offered to the user
// only when its definition and its form are part of the program.

#include <functional>

class QWidget;

// Whether the program carries the form of the board.
bool HasBoardForm(int boardId);
// IsBoardAvailable and HasBoardForm: what the start-up and the selector offer.
bool IsBoardOffered(int boardId);
// Whether a board besides the current one is offered: then the forms show
// "Change Main Board".
bool OffersOtherBoards();
// A new form of the board with owner as owner and parent; nullptr when the
// program carries no form of that board.
QWidget* NewBoardForm(int boardId, QWidget* owner);

// Tests: what is offered, and the forms created, in place of the program's
// own; empty functions restore them.
void SetBoardOfferForTests(std::function<bool(int)> offered);
void SetBoardFormsForTests(std::function<QWidget*(int boardId, QWidget* owner)> create);
