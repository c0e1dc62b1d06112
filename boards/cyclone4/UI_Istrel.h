#pragma once
// The form of the Istrel board (board id 10): a Cyclone IV E board with ten
// peripheral check boxes and two 40-pin GPIO headers. A header holding a
// GPIO Default card with an empty prefix generates with the prefix "GPIO"
// (the board's rules); the edit and the saved record keep the empty prefix.
//
// The form shows no box after a successful generation, keeps default.cfg
// from the moment it goes away (not from its closing), and shows an empty
// prefix edit for a header without a card.

#include "app/BoardForm.h"
#include "boards/cyclone4/IstrelConfig.h"
#include "settings/ConfigBase.h"

#include <memory>

namespace Ui {
class TFormIstrel;
}

class TFormIstrel : public TBoardFormOf<TConfigBase<ISTREL_CONFIG>> {
    Q_OBJECT

public:
    explicit TFormIstrel(QWidget* owner);
    ~TFormIstrel() override;

private:
    std::unique_ptr<Ui::TFormIstrel> ui_;
};
