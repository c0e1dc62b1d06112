#include "boards/cyclone5/UI_Sollen.h"

#include "boards/UI_BoardForms.h"
#include "boards/cyclone5/SollenId.h"
#include "ui_UI_Sollen.h"

#include <cstddef>

TFormSollen::TFormSollen(QWidget* owner)
    : TGpioBoardForm<SOLLEN_CONFIG>(owner), ui_(std::make_unique<Ui::TFormSollen>()) {
    ui_->setupUi(this);
    gpioform::ShowPicture(this, "ImageAltera", "CYCLONE_V_LOGO");
    gpioform::ShowPicture(this, "ImageQuelmar", "QUELMAR_LOGO");
    // The two dotted outlines are decoration: always shown.
    BindControls(
        {.board = MAINBOARD_SOLLEN, .picture = "SOLLEN_BITMAP", .hpsCheckBox = "CheckBoxHPS"});
}

TFormSollen::~TFormSollen() = default;

namespace {
const BoardFormRegistrar kFormRegistrar{MAINBOARD_SOLLEN, MakeBoardForm<TFormSollen>};
} // namespace
