#pragma once
// The form of the Tavrin board (board id 22): a Cyclone V SoC board with
// fourteen peripheral groups (the HPS among them, its outlines aqua) and
// one 40-pin GPIO header; with Ctrl held, Generate writes a project per
// card of the header's list.

#include "boards/cyclone5/TavrinConfig.h"
#include "boards/cyclone5/UI_GpioBoardForm.h"

#include <memory>

namespace Ui {
class TFormTavrin;
}

class TFormTavrin : public TGpioBoardForm<TAVRIN_CONFIG> {
    Q_OBJECT

public:
    explicit TFormTavrin(QWidget* owner);
    ~TFormTavrin() override;

private:
    std::unique_ptr<Ui::TFormTavrin> ui_;
};
