#pragma once
// The form of the Pellix board (board id 18): seventeen peripheral check
// boxes, the two programmable oscillators and the card of HSMC port A.
//
// The Si570 combo is enabled while an SFP+ cage is ticked, the CDCM61004
// combo while an SFP+ cage, a SATA port or a transceiver card on HSMC-A
// uses it; disabled, each shows "Disable", and the user's last choice comes
// back when it is enabled again. A record takes what the combos show.
// Generate asks before going on when an SFP+ cage or a SATA port has no
// oscillator; after a success the transceiver reminder comes before the
// success box.

#include "app/BoardForm.h"
#include "app/RememberedCombo.h"
#include "boards/stratix5/StratixVConfig.h"
#include "settings/ConfigBase.h"

#include <memory>
#include <string>

namespace Ui {
class TFormPellix;
}

class TFormPellix : public TBoardFormOf<TConfigBase<PELLIX_CONFIG>> {
    Q_OBJECT

public:
    explicit TFormPellix(QWidget* owner);
    ~TFormPellix() override;

    void CheckBoxClick() override;
    void CardComboChange(int port) override;

    // The second holder: only its card list (HSMC-A's) serves.
    TConfigBase<PELLIX_CONFIG> TransceiverList;

    bool IsSfpUsed() const;
    bool IsSataUsed() const;
    // The reminder after a successful generation; empty when nothing
    // transceiver-related is chosen.
    std::string TransceiverNote() const;

protected:
    void ConfigToBoardControls(const PELLIX_CONFIG& record) override;
    void BoardControlsToConfig(PELLIX_CONFIG& record) override;
    void UpdateBoardShapes() override;
    void BeforeSuccessBox() override;
    // The Yes/No warnings of an interface without its oscillator.
    bool ConfirmGenerate() override;

private:
    void UpdateOscillatorCombos();

    std::unique_ptr<Ui::TFormPellix> ui_;
    TRememberedCombo si570_;
    TRememberedCombo cdcm61004_;
    TShape* si570Shape_ = nullptr;
    TShape* cdcm61004Shape_ = nullptr;
};
