#pragma once
// The form of the Jorkel board (board id 50): five peripheral check boxes and
// one HSMC connector. The form shows no box after a successful generation,
// keeps default.cfg from the moment it goes away (not from its closing), and
// shows an empty prefix edit while the connector has no card.

#include "app/BoardForm.h"
#include "boards/cyclone3/JorkelConfig.h"
#include "settings/ConfigBase.h"

#include <memory>

namespace Ui {
class TFormJorkel;
}

class TFormJorkel : public TBoardFormOf<TConfigBase<JORKEL_CONFIG>> {
    Q_OBJECT

public:
    explicit TFormJorkel(QWidget* owner);
    ~TFormJorkel() override;

private:
    std::unique_ptr<Ui::TFormJorkel> ui_;
};
