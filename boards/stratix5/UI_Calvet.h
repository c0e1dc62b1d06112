#pragma once
// The form of the Calvet board (board id 31): the device variant, eighteen
// peripheral boxes (the two clock chips among them), the six CDCM6208 and
// four LMK04906 output combos, the 2x20 GPIO header and the four FMC ports
// (A and D high pin count, B and C low pin count).
//
// A chip's combos show the held record's choices while the chip's box is
// ticked and "Disable", disabled, while it is not; only ticking the box
// brings the record's choices back, other clicks keep what the user picked.
// A record takes "Disable" for every output of a chip whose box is clear.
//
// Save and Generate validate in this order: the project name and the
// prefixes (their error box comes last), the question about DDR3 without
// its reference clock (No stops at once, without another box), the warning
// about FMCA_REFCLK_0 and FMCD_REFCLK_0 at different frequencies. After a
// generation the DDR3 and transceiver reminders come before the success
// box.

#include "app/BoardForm.h"
#include "boards/stratix5/ConfigCalvet.h"

#include <cstdint>
#include <memory>
#include <string>

namespace Ui {
class TFormCalvet;
}
class QCheckBox;
class QComboBox;

class TFormCalvet : public TBoardFormOf<TConfigCalvet> {
    Q_OBJECT

public:
    explicit TFormCalvet(QWidget* owner);
    ~TFormCalvet() override;

    void CheckBoxClick() override;

    // The checks of Save and Generate with their boxes: the DDR3 question
    // first, then the clock warning, then the name or prefix error.
    bool CheckSettings() override;

    // The card lists of the FMC ports: A and D, B and C. The GPIO header
    // takes the list of Settings.
    TConfigCalvet HpcList;
    TConfigCalvet LpcList;

protected:
    void ConfigToBoardControls(const CALVET_CONFIG& record) override;
    void BoardControlsToConfig(CALVET_CONFIG& record) override;
    void BeforeSuccessBox() override;

private:
    // One clock chip: its box, its combos and the box's state they show.
    struct ChipCombos {
        QCheckBox* box = nullptr;
        QComboBox* const* combos = nullptr;
        int count = 0;
        bool ticked = false;
    };
    // The chip's combos at the record's choices (ticked) or at "Disable".
    static void ShowChip(ChipCombos& chip, const std::uint8_t* choices, bool ticked);

    std::unique_ptr<Ui::TFormCalvet> ui_;
    QComboBox* cdcm_[calvet::kCdcmOutputs] = {};
    QComboBox* lmk_[calvet::kLmkOutputs] = {};
    ChipCombos cdcmChip_;
    ChipCombos lmkChip_;
};
