#pragma once
// The form of the Fennik board (board id 6): a board-type choice, twelve
// check boxes and four Kirrel ports. "GPIO Header" puts the two GPIO
// headers in KIRREL-A's place (the GPIO-1 controls lie over KIRREL-A's);
// "DDR2 SODIMM" holds KIRREL-B at None and disables its combo. A successful
// generation shows no box; default.cfg is kept from the moment the form
// goes away.

#include "app/BoardForm.h"
#include "boards/stratix3/FennikConfig.h"
#include "settings/ConfigBase.h"

#include <QPoint>

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace Ui {
class TFormFennik;
}

class TFormFennik : public TBoardFormOf<TConfigBase<FENNIK_CONFIG>> {
    Q_OBJECT

public:
    explicit TFormFennik(QWidget* owner);
    ~TFormFennik() override;

    void CheckBoxClick() override;
    void UpdateCardPictures() override;

protected:
    void ConfigToBoardControls(const FENNIK_CONFIG& record) override;
    void BoardControlsToConfig(FENNIK_CONFIG& record) override;
    void AfterShowRecord() override;
    void UpdateBoardShapes() override;

private:
    // The controls of the two modes as the boxes stand.
    void ShowModes();
    bool GpioMode() const;
    bool Ddr2Mode() const;

    std::unique_ptr<Ui::TFormFennik> ui_;
    // The second holder: the GPIO card list.
    TConfigBase<FENNIK_CONFIG> gpioList_;
    std::map<std::string, TShape*> outlines_;
    // The Expansion group's rows below GPIO-0 at their places in GPIO mode;
    // without it they move up into GPIO-0's band and the group ends sooner.
    std::vector<std::pair<QWidget*, QPoint>> rowsBelowGpio0_;
    int expansionHeight_ = 0;
    int gpio0Band_ = 0;
};
