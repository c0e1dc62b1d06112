#pragma once
// The form of the Lorsk board (board id 13): seventeen peripheral check
// boxes, the GPIO header's card and the HSMC connector's card with their
// prefixes, and a Default Setting button that shows the board's defaults
// without touching any file.

#include "app/BoardForm.h"
#include "boards/cyclone4/LorskConfig.h"
#include "settings/ConfigBase.h"

#include <memory>

namespace Ui {
class TFormLorsk;
}

class TFormLorsk : public TBoardFormOf<TConfigBase<LORSK_CONFIG>> {
    Q_OBJECT

public:
    explicit TFormLorsk(QWidget* owner);
    ~TFormLorsk() override;

    // The second holder: only its card list (the GPIO cards) serves.
    TConfigBase<LORSK_CONFIG> GpioCardList;

private:
    std::unique_ptr<Ui::TFormLorsk> ui_;
};
