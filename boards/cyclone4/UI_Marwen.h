#pragma once
// The form of the Marwen board (board id 14): twenty peripheral check boxes
// (PCI Express as hard or soft IP among them), the GPIO header's card and
// the HSMC connector's card with their prefixes. A generation with either
// PCIe box ticked shows the transceiver reminder before the success box.

#include "app/BoardForm.h"
#include "boards/cyclone4/MarwenConfig.h"
#include "settings/ConfigBase.h"

#include <memory>

namespace Ui {
class TFormMarwen;
}

class TFormMarwen : public TBoardFormOf<TConfigBase<MARWEN_CONFIG>> {
    Q_OBJECT

public:
    explicit TFormMarwen(QWidget* owner);
    ~TFormMarwen() override;

    // The second holder: only its card list (the GPIO cards) serves.
    TConfigBase<MARWEN_CONFIG> GpioCardList;

protected:
    void BeforeSuccessBox() override;

private:
    std::unique_ptr<Ui::TFormMarwen> ui_;
};
