#include "boards/max10/UI_Brovan.h"

#include "app/Shape.h"
#include "boards/Boards.h"
#include "boards/UI_BoardPicture.h"
#include "platform/Assert.h"
#include "platform/qt/Pictures.h"

#include "boards/UI_BoardForms.h"
#include "boards/max10/BrovanId.h"
#include "ui_UI_Brovan.h"

#include <QColor>

#include <cstddef>

TFormBrovan::TFormBrovan(QWidget* owner)
    : TBoardFormOf<TConfigBase<BROVAN_CONFIG>>(owner), ui_(std::make_unique<Ui::TFormBrovan>()) {
    ui_->setupUi(this);
    setFixedSize(793, 559);
    SetFormColour(QColor(235, 233, 237)); // 0xEDE9EB
    ui_->ImageQuelmar->setPixmap(platform::qt::LoadPicture(kMakerLogoPicture));
    const BoardPicture* picture = FindBoardPicture(MAINBOARD_BROVAN);
    PINSMITH_ASSERT(picture != nullptr);
    ui_->ImageMax->setPixmap(platform::qt::LoadPicture(picture->badge));
    ShowBoardPicture(ui_->ImageBoard, *picture);

    SetBoard(*FindBoard(MAINBOARD_BROVAN));
    SetProjectNameEdit(ui_->EditProjectName);
    SetButtons({ui_->ButtonSave, ui_->ButtonLoad, ui_->ButtonGen, ui_->ButtonExit,
                ui_->ButtonMainBoardSelect, ui_->ButtonDefault});

    // The groups whose controls break the naming scheme.
    static constexpr TPeripheralControls kControls[] = {
        {"GSensor", nullptr, "ShapeGsensor"},
    };
    BindPeripherals(kControls);

    BindPorts();

    SetCtrlBeep(true);
    SetPrefixEmptyWithoutCard(true);
    InitForm();
}

TFormBrovan::~TFormBrovan() = default;

namespace {
const BoardFormRegistrar kFormRegistrar{MAINBOARD_BROVAN, MakeBoardForm<TFormBrovan>};
} // namespace
