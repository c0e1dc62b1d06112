#pragma once
// The form of the Jorvath board (board id 11): six peripheral check boxes,
// the Kirrel 2/3 connector pair (one card) and Kirrel 1, both offering the
// one Kirrel card list. The same card on both with equal prefixes is
// refused (the board's rule). The form shows no box after a successful
// generation, keeps default.cfg from the moment it goes away (not from its
// closing), and shows an empty prefix edit while a connector has no card.

#include "app/BoardForm.h"
#include "boards/cyclone3/JorvathConfig.h"
#include "settings/ConfigBase.h"

#include <memory>

namespace Ui {
class TFormJorvath;
}

class TFormJorvath : public TBoardFormOf<TConfigBase<JORVATH_CONFIG>> {
    Q_OBJECT

public:
    explicit TFormJorvath(QWidget* owner);
    ~TFormJorvath() override;

protected:
    // The pair's other outlines follow its card.
    void UpdateBoardShapes() override;

private:
    std::unique_ptr<Ui::TFormJorvath> ui_;
    TShape* shapeKirrel3_ = nullptr;
    TShape* shapeKirrel23_ = nullptr;
};
