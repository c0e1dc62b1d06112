#pragma once
// The modal dialog in which the user picks the board to work on: one line
// per offered board in id order, with the board's picture.

#include <QDialog>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
namespace Ui {
class FormBoardSelector;
}

class TFormBoardSelector : public QDialog {
    Q_OBJECT

public:
    explicit TFormBoardSelector(QWidget* owner);
    ~TFormBoardSelector() override;

    // Lists every offered board in id order and selects line 0.
    void FillBoardList();
    // Shows the picture of the selected line centred in the picture panel.
    void ShowBoardPicture();
    // Centres the dialog on the screen (it opens centred on its owner).
    void CentreOnScreen();
    // Selects the first line of the board and shows its picture; nothing
    // changes when the board is not listed.
    void SelectBoard(std::uint8_t boardId);
    // The board of the selected line; 0 when no line is selected.
    std::uint8_t GetSelectedBoardId() const;

    int Count() const { return static_cast<int>(BoardIds.size()); }
    QListWidget* BoardList() const;
    QPushButton* OkButton() const;
    QPushButton* CancelButton() const;
    QFrame* PicturePanel() const;
    QLabel* PictureLabel() const;

    // The board table: list line and picture of a board id; false for an id
    // without a row.
    static bool BoardEntry(int boardId, std::string& line, std::string& picture);

    std::vector<std::string> PictureNames;
    std::vector<std::uint8_t> BoardIds;

public slots:
    // Closing in any way but OK counts as Cancel; with Cancel disabled the
    // dialog cannot be closed that way.
    void reject() override;

private:
    std::unique_ptr<Ui::FormBoardSelector> ui_;
};
