#pragma once
// The form of the Rasmer board (board id 20): a Cyclone V GX board with
// fourteen peripheral groups, a 40-pin GPIO header that shares its pins
// with the digits HEX2 and HEX3, and an HSMC connector. The seven-segment
// caption and picture follow the GPIO combo; with Ctrl held, Generate
// writes a project per card of both lists.

#include "boards/cyclone5/RasmerConfig.h"
#include "boards/cyclone5/UI_GpioBoardForm.h"
#include "boards/cyclone5/UI_HsmcVoltage.h"

#include <memory>

namespace Ui {
class TFormRasmer;
}

class TFormRasmer : public TGpioBoardForm<RASMER_CONFIG> {
    Q_OBJECT

public:
    explicit TFormRasmer(QWidget* owner);
    ~TFormRasmer() override;

    // The GPIO header is free: the four digits HEX0..HEX3 are usable.
    bool UsesFourDigits();
    void UpdateCardPictures() override;

protected:
    void UpdateBoardShapes() override;
    void AfterGenerateSuccess() override;

private:
    std::unique_ptr<Ui::TFormRasmer> ui_;
    // The HSMC combo shows a list of its own; the holder's is the GPIO list.
    THsmcCardList hsmcList_;
};
