#pragma once
// The form of the Hollin board (board id 9): eleven peripheral check boxes,
// two HSMC ports, four FMC ports and a Default Setting button. A successful
// generation shows the DDR3 reminder when the DDR3 socket is ticked and no
// other box; Load Setting reports a cancelled dialog. default.cfg is kept
// from the moment the form goes away.

#include "app/BoardForm.h"
#include "boards/stratix4/HollinConfig.h"
#include "settings/ConfigBase.h"

#include <memory>

namespace Ui {
class TFormHollin;
}

class TFormHollin : public TBoardFormOf<TConfigBase<HOLLIN_CONFIG>> {
    Q_OBJECT

public:
    explicit TFormHollin(QWidget* owner);
    ~TFormHollin() override;

protected:
    void AfterGenerateSuccess() override;

private:
    std::unique_ptr<Ui::TFormHollin> ui_;
    // The second holder: the FMC card list.
    TConfigBase<HOLLIN_CONFIG> fmcList_;
};
