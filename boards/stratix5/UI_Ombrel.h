#pragma once
// The form of the Ombrel board (board id 16): 25 peripheral check boxes and
// three programmable oscillators: the Si570 and the CDCM61001 serve the
// SFP+ cages, the CDCM61004 the SATA ports. Each oscillator combo follows
// its interfaces and keeps the user's last choice while the form lives.
// Generate warns (Yes/No) when SFP+ or SATA is ticked without its
// oscillators; the memory and transceiver reminders come before the success
// box.

#include "boards/stratix5/StratixVConfig.h"
#include "boards/stratix5/UI_StratixVForm.h"

#include <memory>

namespace Ui {
class TFormOmbrel;
}

class TFormOmbrel : public TStratixVForm<OMBREL_CONFIG> {
    Q_OBJECT

public:
    // The oscillators in the order they are added.
    enum Oscillator { kSi570, kCdcm61001, kCdcm61004 };

    explicit TFormOmbrel(QWidget* owner);
    ~TFormOmbrel() override;

    bool IsSfpUsed() const;
    bool IsSataUsed() const;
    bool ConfirmOscillators() override;

protected:
    void BeforeSuccessBox() override;

private:
    std::unique_ptr<Ui::TFormOmbrel> ui_;
};
