#pragma once
// The form of the Lumbrel board (board id 101), which the program only
// shows: the board's picture with every outline, its peripherals and ports
// as the Galdre_X1 form lays them out, all disabled. The board keeps no
// settings; the form reads and writes no file. Exit and Change Main Board
// leave it as on every board.

#include <QWidget>

#include <memory>

namespace Ui {
class TFormLumbrel;
}

class TFormLumbrel : public QWidget {
    Q_OBJECT

public:
    explicit TFormLumbrel(QWidget* owner);
    ~TFormLumbrel() override;

private:
    std::unique_ptr<Ui::TFormLumbrel> ui_;
};
