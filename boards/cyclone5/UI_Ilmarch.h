#pragma once
// The form of the Ilmarch board (board id 37): a Cyclone V GX PCIe board
// with twelve peripheral groups and two 40-pin GPIO headers whose I/O
// voltage is set by the jumper JP1. The voltage picks the cards the headers
// offer and the I/O standard of the card pins.

#include "app/BoardForm.h"
#include "boards/cyclone5/IlmarchConfig.h"
#include "settings/ConfigBase.h"

#include <cstdint>
#include <memory>

namespace Ui {
class TFormIlmarch;
}

class TFormIlmarch : public TBoardFormOf<TConfigBase<ILMARCH_CONFIG>> {
    Q_OBJECT

public:
    explicit TFormIlmarch(QWidget* owner);
    ~TFormIlmarch() override;

    // The voltage combo: its four items, the record's voltage selected (an
    // unknown code is stored as 3.3 V first, so record and combo agree).
    void FillVoltageCombo();
    // Voltage combo index 0, 1, 2, 3 <-> code 5, 3, 2, 1.
    std::int32_t GetVoltageCode() const;
    void SelectVoltageCode(std::int32_t code);
    // The jumper box after a successful generation, when a header has a card.
    void ShowJumperReminder();
    // The user picked a voltage.
    void ComboBoxGpioVolChange();

protected:
    void BeforeShowRecord() override;
    void UpdateBoardShapes() override;
    void AfterGenerateSuccess() override;

private:
    std::unique_ptr<Ui::TFormIlmarch> ui_;
};
