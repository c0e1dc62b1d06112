#pragma once
// The form of the Elvory board (board id 5): twenty-two peripheral check
// boxes, and for the GPIO header and the HSMC connector each an I/O voltage,
// a card and a prefix. The HSMC voltage picks the HSMC cards offered; a GPIO
// voltage other than 3.3 V disables the GPIO card combo (it shows None, the
// voltage's GPIO Default card is generated) and back at 3.3 V the card
// chosen before returns. Below the board picture a picture of the two
// voltage jumpers marks the chosen positions in green. After a successful
// generation with a voltage other than the default the form reminds the
// user to move the jumpers.

#include "app/BoardForm.h"
#include "boards/cyclone4/ElvoryConfig.h"
#include "settings/ConfigBase.h"

#include <array>
#include <memory>

namespace Ui {
class TFormElvory;
}
class TShape;

class TFormElvory : public TBoardFormOf<TConfigBase<ELVORY_CONFIG>> {
    Q_OBJECT

public:
    explicit TFormElvory(QWidget* owner);
    ~TFormElvory() override;

    // The second holder: only its card list (the GPIO cards) serves. The
    // settings holder's list is the HSMC list of the voltage shown.
    TConfigBase<ELVORY_CONFIG> GpioCardList;

    void CardComboChange(int port) override;
    // The jumper reminder for the voltages the controls show (none at the
    // defaults).
    void ShowJumperWarning();

protected:
    void ConfigToBoardControls(const ELVORY_CONFIG& record) override;
    void BoardControlsToConfig(ELVORY_CONFIG& record) override;
    void UpdateBoardShapes() override;
    void AfterGenerateSuccess() override;

private:
    void GpioVoltageChange();
    void HsmcVoltageChange();
    // The GPIO card combo as the GPIO voltage allows it.
    void ApplyGpioVoltage();
    void MakeJumperPicture();

    std::unique_ptr<Ui::TFormElvory> ui_;
    // The GPIO combo index to show again when the GPIO voltage returns to
    // 3.3 V.
    int rememberedGpioIndex_ = 0;
    // The HSMC voltage whose list the HSMC combo shows.
    int shownHsmcVoltage_ = kDefaultHsmcVoltageIndex;
    static constexpr int kDefaultHsmcVoltageIndex = 1;
    std::array<TShape*, 4> gpioVoltageShapes_{};
    std::array<TShape*, 4> hsmcVoltageShapes_{};
};
