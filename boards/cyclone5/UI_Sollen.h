#pragma once
// The form of the Sollen board (board id 21): a Cyclone V SoC board with
// twelve peripheral groups, the HPS and two 40-pin GPIO headers that one
// 80-pin card may span. Its code is the one Wendal's form shares.

#include "boards/cyclone5/SollenConfig.h"
#include "boards/cyclone5/UI_GpioBoardForm.h"

#include <memory>

namespace Ui {
class TFormSollen;
}

class TFormSollen : public TGpioBoardForm<SOLLEN_CONFIG> {
    Q_OBJECT

public:
    explicit TFormSollen(QWidget* owner);
    ~TFormSollen() override;

private:
    std::unique_ptr<Ui::TFormSollen> ui_;
};
