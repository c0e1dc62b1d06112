#pragma once
// The form of the Dravel board (board id 32): nine peripheral check boxes
// and one 40-pin GPIO header with a card and a prefix. Its settings object
// is a TConfigDravel. Generate with Ctrl held writes one project per card
// of the header's list, each with the prefix GPIO, without a beep.

#include "app/BoardForm.h"
#include "boards/max10/ConfigDravel.h"

#include <memory>

namespace Ui {
class TFormDravel;
}

class TFormDravel : public TBoardFormOf<TConfigDravel> {
    Q_OBJECT

public:
    explicit TFormDravel(QWidget* owner);
    ~TFormDravel() override;

private:
    std::unique_ptr<Ui::TFormDravel> ui_;
};
