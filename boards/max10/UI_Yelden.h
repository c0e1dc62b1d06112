#pragma once
// The form of the Yelden board (board id 26): nineteen peripheral check
// boxes (the SMA ADC one never shown), the BeagleBone Black header's mode
// with its picture and prefix, and a board-revision choice the form keeps
// hidden. At construction the revision is C and the SMA ADC option off,
// whatever default.cfg held; Load Setting keeps a file's values. Generate
// with Ctrl held beeps, then generates as usual.

#include "app/BoardForm.h"
#include "boards/max10/YeldenConfig.h"
#include "settings/ConfigBase.h"

#include <memory>

namespace Ui {
class TFormYelden;
}

class TFormYelden : public TBoardFormOf<TConfigBase<YELDEN_CONFIG>> {
    Q_OBJECT

public:
    explicit TFormYelden(QWidget* owner);
    ~TFormYelden() override;

    void FillCardCombos() override;
    // The picture of the chosen header mode (none for None).
    void ShowBbbPicture();

protected:
    void ConfigToBoardControls(const YELDEN_CONFIG& record) override;
    void BoardControlsToConfig(YELDEN_CONFIG& record) override;
    void UpdateBoardShapes() override;

private:
    std::unique_ptr<Ui::TFormYelden> ui_;
    TShape* shapeP8_ = nullptr;
    TShape* shapeP9_ = nullptr;
};
