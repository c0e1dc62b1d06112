#pragma once
// The program's one main window. It hosts one board form filling its client
// area, keeps the board id in the INI file, opens the board selector when a
// board form posts WM_CHANGE_MAIN_BOARD, and shows card pictures for the
// board forms and the GPIO dialog.

#include "model/CardCatalogue.h"
#include "model/MainBoard.h"

#include <QWidget>

#include <cstdint>
#include <memory>
#include <string>

class QLabel;
namespace platform::qt {
class TMessageEvent;
}
namespace Ui {
class FormMain;
}

// "Change main board", posted by a board form with both parameters 0.
inline constexpr int WM_CHANGE_MAIN_BOARD = 1025;

// A board form with this property set to true has a sizeable border: the
// main window can be resized while it hosts the form, and the form fills
// it. Other forms keep the window at their fixed size.
inline constexpr const char* kSizeableBorderProperty = "sizeableBorder";

class TFormMain : public QWidget {
    Q_OBJECT

public:
    explicit TFormMain(QWidget* owner = nullptr);
    ~TFormMain() override;

    // Replaces the current board form by a fresh form of the board.
    void CreateBoardForm(std::uint8_t boardId);
    // Deletes the current board form, if any, after the form's save before
    // teardown (boards that keep default.cfg that way); the board id stays.
    void FreeBoardForm();
    // Runs the board selector modally and opens the chosen board.
    void ChooseMainBoard(bool disableCancel);
    void LoadIni();
    void SaveIni();

    // Shows the picture of a card in a caller's picture control, or hides
    // the control for card 0. The control keeps its size.
    static void ShowCardPicture(QLabel* image, CardId cardId);
    // The picture resource of a card; empty for card 0.
    static std::string CardPictureName(CardId cardId);

    QWidget* CurrentBoardForm() const { return boardForm_; }

    // The id of the current board; 0 for none.
    std::uint8_t BoardId = 0;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // The window procedure, extended by WM_CHANGE_MAIN_BOARD. Returns what
    // the inherited handling returned.
    virtual bool WndProc(platform::qt::TMessageEvent& message);

private:
    // The current form's save before teardown, while this window is alive.
    void SaveBoardFormBeforeTeardown();
    // Deletes the current board form without saving anything.
    void DeleteBoardForm();

    std::unique_ptr<Ui::FormMain> ui_;
    QWidget* boardForm_ = nullptr;
};

// The single main window, set while it exists.
extern TFormMain* FormMain;
