#include "boards/cyclone4/UI_Lorsk.h"

#include "app/Shape.h"
#include "boards/Boards.h"
#include "boards/UI_BoardPicture.h"
#include "platform/Assert.h"
#include "platform/qt/Pictures.h"

#include "boards/UI_BoardForms.h"
#include "boards/cyclone4/LorskId.h"
#include "ui_UI_Lorsk.h"

#include <QColor>

#include <cstddef>

using namespace lorsk;

TFormLorsk::TFormLorsk(QWidget* owner)
    : TBoardFormOf<TConfigBase<LORSK_CONFIG>>(owner), ui_(std::make_unique<Ui::TFormLorsk>()) {
    ui_->setupUi(this);
    setFixedSize(789, 569);
    SetFormColour(QColor(235, 233, 237)); // 0xEDE9EB
    ui_->ImageQuelmar->setPixmap(platform::qt::LoadPicture(kMakerLogoPicture));
    const BoardPicture* picture = FindBoardPicture(MAINBOARD_LORSK);
    PINSMITH_ASSERT(picture != nullptr);
    ui_->ImageAltera->setPixmap(platform::qt::LoadPicture(picture->badge));
    ShowBoardPicture(ui_->ImageBoard, *picture);

    SetBoard(*FindBoard(MAINBOARD_LORSK));
    SetProjectNameEdit(ui_->EditProjectName);
    SetButtons({ui_->ButtonSave, ui_->ButtonLoad, ui_->ButtonGen, ui_->ButtonExit,
                ui_->ButtonMainBoardSelect, ui_->ButtonDefaultSetting});

    BindPeripherals();

    const TPortList lists[] = {{"GPIO", GpioCardList}};
    BindPorts(lists);

    SetPrefixEmptyWithoutCard(true);
    InitForm();
}

TFormLorsk::~TFormLorsk() = default;

namespace {
const BoardFormRegistrar kFormRegistrar{MAINBOARD_LORSK, MakeBoardForm<TFormLorsk>};
} // namespace
