#include "boards/cyclone4/UI_Istrel.h"

#include "app/Shape.h"
#include "boards/Boards.h"
#include "boards/UI_BoardPicture.h"
#include "platform/Assert.h"
#include "platform/qt/Pictures.h"

#include "boards/UI_BoardForms.h"
#include "boards/cyclone4/IstrelId.h"
#include "ui_UI_Istrel.h"

#include <QColor>

#include <cstddef>

using namespace istrel;

TFormIstrel::TFormIstrel(QWidget* owner)
    : TBoardFormOf<TConfigBase<ISTREL_CONFIG>>(owner), ui_(std::make_unique<Ui::TFormIstrel>()) {
    ui_->setupUi(this);
    setFixedSize(793, 469);
    SetFormColour(QColor(235, 233, 237)); // 0xEDE9EB
    ui_->ImageQuelmar->setPixmap(platform::qt::LoadPicture(kMakerLogoPicture));
    const BoardPicture* picture = FindBoardPicture(MAINBOARD_ISTREL);
    PINSMITH_ASSERT(picture != nullptr);
    ui_->ImageAltera->setPixmap(platform::qt::LoadPicture(picture->badge));
    ShowBoardPicture(ui_->ImageBoard, *picture);

    SetBoard(*FindBoard(MAINBOARD_ISTREL));
    SetProjectNameEdit(ui_->EditProjectName);
    SetButtons({ui_->ButtonSave, ui_->ButtonLoad, ui_->ButtonGen, ui_->ButtonExit,
                ui_->ButtonMainBoardSelect, nullptr});

    BindPeripherals();

    // Both headers show the one card list of the settings holder.
    BindPorts();

    SetSuccessBox(false);
    SetSavesBeforeTeardown(true);
    SetPrefixEmptyWithoutCard(true);
    InitForm();
}

TFormIstrel::~TFormIstrel() = default;

namespace {
const BoardFormRegistrar kFormRegistrar{MAINBOARD_ISTREL, MakeBoardForm<TFormIstrel>};
} // namespace
