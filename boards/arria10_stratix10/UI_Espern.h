#pragma once
// The form of the Espern board (board id 33): 21 peripheral check boxes,
// the four QSFP+ reference clocks of the Si5340A and the one QDRII+
// reference clock of the Si5340B, on the common Si5340 form
// (UI_Si5340Form.h). The board takes no cards.

#include "boards/arria10_stratix10/ConfigEspern.h"
#include "boards/arria10_stratix10/UI_Si5340Form.h"

#include <memory>

namespace Ui {
class TFormEspern;
}

class TFormEspern : public TSi5340Form<TConfigEspern> {
    Q_OBJECT

public:
    explicit TFormEspern(QWidget* owner);
    ~TFormEspern() override;

protected:
    void SelectAll(ESPERN_CONFIG& record) override;

private:
    std::unique_ptr<Ui::TFormEspern> ui_;
};
