#include "boards/cyclone5/UI_Falmor.h"

#include "app/Shape.h"

#include "boards/UI_BoardForms.h"
#include "boards/cyclone5/FalmorId.h"
#include "ui_UI_Falmor.h"

#include <cstddef>

TFormFalmor::TFormFalmor(QWidget* owner)
    : TGpioBoardForm<FALMOR_CONFIG, TConfigFalmor>(owner),
      ui_(std::make_unique<Ui::TFormFalmor>()) {
    ui_->setupUi(this);
    ui_->ComboBoxFileType->addItems({"Verilog", "VHDL"});
    voltage_ = std::make_unique<THsmcVoltageChoice>(
        *this, *FindBoard(MAINBOARD_FALMOR), falmor::HSMC,
        THsmcVoltageChoice::Controls{
            ui_->ComboBoxHsmcVol,
            {ui_->ShapeHsmc3V3, ui_->ShapeHsmc2V5, ui_->ShapeHsmc1V8, ui_->ShapeHsmc1V5}},
        "jumper position on JP3");
    SetListsDependOnRecord(true);
    BindControls(
        {.board = MAINBOARD_FALMOR, .picture = "FALMOR_BITMAP", .hpsCheckBox = "CheckBoxHPS"});
}

TFormFalmor::~TFormFalmor() = default;

void TFormFalmor::BeforeShowRecord() {
    voltage_->Show(Settings.Config.HsmcVoltage);
}

void TFormFalmor::ConfigToBoardControls(const FALMOR_CONFIG& record) {
    ui_->ComboBoxFileType->setCurrentIndex(record.VHDL != 0 ? 1 : 0);
}

void TFormFalmor::BoardControlsToConfig(FALMOR_CONFIG& record) {
    record.VHDL = ui_->ComboBoxFileType->currentIndex() == 1 ? 1 : 0;
    record.HsmcVoltage = voltage_->Index();
}

void TFormFalmor::UpdateBoardShapes() {
    voltage_->UpdateJumperShapes();
}

void TFormFalmor::AfterGenerateSuccess() {
    voltage_->ShowJumperWarning();
}

namespace {
const BoardFormRegistrar kFormRegistrar{MAINBOARD_FALMOR, MakeBoardForm<TFormFalmor>};
} // namespace
