#pragma once
// The form of the Kelmis board (board id 12): the device variant, thirteen
// peripheral check boxes, the three outputs of the programmable PLL and six
// HSMC ports, of which port C can instead carry two 40-pin GPIO headers,
// picked in the GPIO dialog.
//
// The PLL combos show the record's choices while Programmable PLL is ticked
// and "Unchange", disabled, while it is not; ticking it brings back the
// record's choices. After a successful Generate the DDR3, PCI Express and
// transceiver reminders come in one box before the success box. Beside the
// board picture a drawing shows the VCCIO jumper and LEDs each port's card
// needs. default.cfg is written when the form closes.

#include "app/BoardForm.h"
#include "boards/stratix4/KelmisConfig.h"
#include "boards/stratix4/UI_PllCombos.h"
#include "settings/ConfigBase.h"

#include <QImage>

#include <array>
#include <memory>

namespace Ui {
class TFormKelmis;
}
class QComboBox;
class TFormGPIO;

class TFormKelmis : public TBoardFormOf<TConfigBase<KELMIS_CONFIG>> {
    Q_OBJECT

public:
    explicit TFormKelmis(QWidget* owner);
    ~TFormKelmis() override;

    void CheckBoxClick() override;
    void CardComboChange(int port) override;
    void UpdateCardPictures() override;
    void ComboBoxHsmcGpioChange();
    // Shows the GPIO dialog; OK takes its choice, Cancel drops it.
    void ButtonGpioClick();

    // Port C shows the two GPIO headers.
    bool IsHsmcCGpioMode() const;
    TFormGPIO* GpioDialog() const { return gpio_; }
    // The VCCIO drawing as last painted.
    const QImage& VccioPicture() const { return vccio_; }

    // The row of an HSMC port's VCCIO jumper as the controls stand: 0 =
    // 1.5 V, 1 = 1.8 V, 2 = 2.5 V (also without a card), 3 = 3.0 V, 4 =
    // 3.3 V. Port C in GPIO mode: 3.0 V while a header has a card.
    int VccioRow(int port);

    // Each HSMC port's card list (A and E with transceiver cards; a port
    // leaves out the cards that cannot generate on it alone), and the list
    // the two GPIO headers share.
    std::array<TPortCardList, kelmis::kHsmcCount> HsmcLists;
    TConfigBase<KELMIS_CONFIG> GpioList;

protected:
    void ConfigToBoardControls(const KELMIS_CONFIG& record) override;
    void BoardControlsToConfig(KELMIS_CONFIG& record) override;
    void AfterShowRecord() override;
    void UpdateBoardShapes() override;
    void BeforeSuccessBox() override;

private:
    void UpdateGpioLabel();
    void PaintVccioPicture();
    // The dialog's stored choice into its combos and edits, which the
    // form reads as the two headers' controls.
    void ShowGpioChoice();

    std::unique_ptr<Ui::TFormKelmis> ui_;
    TFormGPIO* gpio_ = nullptr;
    std::unique_ptr<TPllCombos> pll_;
    QImage vccio_;
};
