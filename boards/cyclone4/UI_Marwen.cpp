#include "boards/cyclone4/UI_Marwen.h"

#include "app/Shape.h"
#include "boards/Boards.h"
#include "boards/GenerateReminders.h"
#include "boards/UI_BoardPicture.h"
#include "platform/Assert.h"
#include "platform/Ui.h"
#include "platform/qt/Pictures.h"

#include "boards/UI_BoardForms.h"
#include "boards/cyclone4/MarwenId.h"
#include "ui_UI_Marwen.h"

#include <QColor>

#include <cstddef>

using namespace marwen;

TFormMarwen::TFormMarwen(QWidget* owner)
    : TBoardFormOf<TConfigBase<MARWEN_CONFIG>>(owner), ui_(std::make_unique<Ui::TFormMarwen>()) {
    ui_->setupUi(this);
    setFixedSize(792, 564);
    SetFormColour(QColor(235, 233, 237)); // 0xEDE9EB
    ui_->ImageQuelmar->setPixmap(platform::qt::LoadPicture(kMakerLogoPicture));
    const BoardPicture* picture = FindBoardPicture(MAINBOARD_MARWEN);
    PINSMITH_ASSERT(picture != nullptr);
    ui_->ImageAltera->setPixmap(platform::qt::LoadPicture(picture->badge));
    ShowBoardPicture(ui_->ImageBoard, *picture);

    SetBoard(*FindBoard(MAINBOARD_MARWEN));
    SetProjectNameEdit(ui_->EditProjectName);
    SetButtons({ui_->ButtonSave, ui_->ButtonLoad, ui_->ButtonGen, ui_->ButtonExit,
                ui_->ButtonMainBoardSelect, nullptr});

    BindPeripherals();

    const TPortList lists[] = {{"GPIO", GpioCardList}};
    BindPorts(lists);

    SetPrefixEmptyWithoutCard(true);
    InitForm();
}

TFormMarwen::~TFormMarwen() = default;

void TFormMarwen::BeforeSuccessBox() {
    if (!ui_->CheckBoxPCIeHardIP->isChecked() && !ui_->CheckBoxPCIeSoftIP->isChecked()) {
        return;
    }
    platform::InformationBox(reminders::TransceiverSignals("PCIe", "Transceiver"));
}

namespace {
const BoardFormRegistrar kFormRegistrar{MAINBOARD_MARWEN, MakeBoardForm<TFormMarwen>};
} // namespace
