#include "boards/cyclone5/UI_Quindle.h"

#include "boards/UI_BoardForms.h"
#include "boards/cyclone5/QuindleId.h"
#include "ui_UI_Quindle.h"

#include <cstddef>

TFormQuindle::TFormQuindle(QWidget* owner)
    : TGpioBoardForm<QUINDLE_CONFIG>(owner), ui_(std::make_unique<Ui::TFormQuindle>()) {
    ui_->setupUi(this);
    gpioform::ShowPicture(this, "ImageQuelmar", "QUELMAR_LOGO");
    voltage_ = std::make_unique<THsmcVoltageChoice>(
        *this, *FindBoard(MAINBOARD_QUINDLE), quindle::HSMC,
        THsmcVoltageChoice::Controls{
            ui_->ComboBoxHsmcVol,
            {ui_->ShapeHsmc3V3, ui_->ShapeHsmc2V5, ui_->ShapeHsmc1V8, ui_->ShapeHsmc1V5}},
        "shunt position on JP7");
    // The card combo lists the cards of the record's voltage; the three
    // decorative outlines are always shown.
    SetListsDependOnRecord(true);
    BindControls({.board = MAINBOARD_QUINDLE, .picture = "QUINDLE_BITMAP"});
}

TFormQuindle::~TFormQuindle() = default;

void TFormQuindle::BeforeShowRecord() {
    voltage_->Show(Settings.Config.HsmcVoltage);
}

void TFormQuindle::BoardControlsToConfig(QUINDLE_CONFIG& record) {
    record.HsmcVoltage = voltage_->Index();
}

void TFormQuindle::UpdateBoardShapes() {
    voltage_->UpdateJumperShapes();
}

void TFormQuindle::AfterGenerateSuccess() {
    voltage_->ShowJumperWarning();
}

namespace {
const BoardFormRegistrar kFormRegistrar{MAINBOARD_QUINDLE, MakeBoardForm<TFormQuindle>};
} // namespace
