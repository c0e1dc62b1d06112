#pragma once
// The form of the Harvik board (board id 36): the top-level file type,
// fifteen peripheral check boxes (four of them the QSFP28 ports), the
// reference clocks of the two Si5340A chips (eight combos without an off
// entry, always enabled), four memory sockets and the three preset
// buttons. A successful generation shows the memory and transceiver
// reminders before the success box. A hidden "HSMC" button writes the pin
// lists of the HSMC cards into an hsmc folder below the current folder.

#include "app/BoardForm.h"
#include "boards/arria10_stratix10/ConfigHarvik.h"

#include <array>
#include <memory>
#include <string>

class QComboBox;

namespace Ui {
class TFormHarvik;
}

class TFormHarvik : public TBoardFormOf<TConfigHarvik> {
    Q_OBJECT

public:
    explicit TFormHarvik(QWidget* owner);
    ~TFormHarvik() override;

    void Button_DDR4_ConfigClick();
    void Button_QDR2_ConfigClick();
    void Button_QDR4_ConfigClick();
    // The hidden developer button: the HSMC pin lists, then "success" or
    // "failed".
    void Button1Click();

    // The reminder shown before the success box; empty without modules and
    // transceivers.
    std::string ReminderText() const;

protected:
    void ConfigToBoardControls(const HARVIK_CONFIG& record) override;
    void BoardControlsToConfig(HARVIK_CONFIG& record) override;
    void BeforeSuccessBox() override;

private:
    void ApplyPreset(HarvikMemory kind);

    std::unique_ptr<Ui::TFormHarvik> ui_;
    std::array<QComboBox*, 4> xcvrCombos_{};
    std::array<QComboBox*, 4> memCombos_{};
};
