#pragma once
// The form of the Galdre_X1 board (board id 8): the device variant, 25
// peripheral check boxes, the three outputs of the programmable PLL, two
// GPIO headers and two HSMC ports.
//
// The PLL combos show the record's choices while Programmable PLL is ticked
// and "Unchange", disabled, while it is not; ticking it brings back the
// record's choices. A Generate warns first when a transceiver card sits on
// HSMC-A without the lanes it needs, then goes on; after a success only
// the DDR2 and transceiver reminders appear. default.cfg is kept from the
// moment the form goes away.

#include "app/BoardForm.h"
#include "boards/stratix4/GaldreX1Config.h"
#include "boards/stratix4/UI_PllCombos.h"
#include "settings/ConfigBase.h"

#include <memory>

namespace Ui {
class TFormGaldre_X1;
}
class QComboBox;

class TFormGaldre_X1 : public TBoardFormOf<TConfigBase<GALDRE_X1_CONFIG>> {
    Q_OBJECT

public:
    explicit TFormGaldre_X1(QWidget* owner);
    ~TFormGaldre_X1() override;

    void CheckBoxClick() override;

    // The card list of both GPIO headers.
    TConfigBase<GALDRE_X1_CONFIG> GpioList;

protected:
    void ConfigToBoardControls(const GALDRE_X1_CONFIG& record) override;
    void BoardControlsToConfig(GALDRE_X1_CONFIG& record) override;
    void AfterGenerateSuccess() override;
    // The transceiver placement warning (no question).
    bool ConfirmGenerate() override;

private:
    std::unique_ptr<Ui::TFormGaldre_X1> ui_;
    std::unique_ptr<TPllCombos> pll_;
};
