#pragma once
// The form of the Kelvane board (board id 100): nine peripheral check boxes,
// two HSMC ports and no outlines. The form starts from the defaults each
// time: it never reads or writes default.cfg. A successful generation shows
// no box; Load Setting reports a cancelled dialog.

#include "app/BoardForm.h"
#include "boards/arria2/KelvaneConfig.h"
#include "settings/ConfigBase.h"

#include <memory>

namespace Ui {
class TFormKelvane;
}

class TFormKelvane : public TBoardFormOf<TConfigBase<KELVANE_CONFIG>> {
    Q_OBJECT

public:
    explicit TFormKelvane(QWidget* owner);
    ~TFormKelvane() override;

protected:
    bool HolderLoadDefault() override { return false; }
    bool HolderSaveDefault() override { return true; }

private:
    std::unique_ptr<Ui::TFormKelvane> ui_;
};
