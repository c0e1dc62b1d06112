#pragma once
// The form of the Brovan kit (board id 30): twenty peripheral check boxes,
// the Ergan 2x6 GPIO header with a card and a prefix, and a Default
// Setting button. Generate with Ctrl held beeps, then generates as usual.

#include "app/BoardForm.h"
#include "boards/max10/BrovanConfig.h"
#include "settings/ConfigBase.h"

#include <memory>

namespace Ui {
class TFormBrovan;
}

class TFormBrovan : public TBoardFormOf<TConfigBase<BROVAN_CONFIG>> {
    Q_OBJECT

public:
    explicit TFormBrovan(QWidget* owner);
    ~TFormBrovan() override;

private:
    std::unique_ptr<Ui::TFormBrovan> ui_;
};
