#pragma once
// The form of the Wendal board (board id 25): a Cyclone V E board with nine
// peripheral groups and two 40-pin GPIO headers that one 80-pin card may
// span; with Ctrl held, Generate writes a project per card of the headers'
// list. Its code is the one Sollen's form shares.

#include "boards/cyclone5/UI_GpioBoardForm.h"
#include "boards/cyclone5/WendalConfig.h"

#include <memory>

namespace Ui {
class TFormWendal;
}

class TFormWendal : public TGpioBoardForm<WENDAL_CONFIG> {
    Q_OBJECT

public:
    explicit TFormWendal(QWidget* owner);
    ~TFormWendal() override;

private:
    std::unique_ptr<Ui::TFormWendal> ui_;
};
