#pragma once
// The form of the Nolvar board (board id 15): 18 peripheral check boxes and
// two programmable oscillators, a Si570 and a CDCM61004, both serving the
// SFP+ cages. Each oscillator combo follows the SFP+ boxes and keeps the
// user's last choice while the form lives; its outline follows a pick at
// once. Generate warns (Yes/No) when SFP+ is ticked with both oscillators
// off; the memory and transceiver reminders come before the success box.

#include "boards/stratix5/StratixVConfig.h"
#include "boards/stratix5/UI_StratixVForm.h"

#include <memory>

namespace Ui {
class TFormNolvar;
}

class TFormNolvar : public TStratixVForm<NOLVAR_CONFIG> {
    Q_OBJECT

public:
    // The oscillators in the order they are added.
    enum Oscillator { kSi570, kCdcm61004 };

    explicit TFormNolvar(QWidget* owner);
    ~TFormNolvar() override;

    bool IsSfpUsed() const;
    bool ConfirmOscillators() override;

protected:
    void BeforeSuccessBox() override;

private:
    std::unique_ptr<Ui::TFormNolvar> ui_;
};
