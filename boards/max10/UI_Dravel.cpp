#include "boards/max10/UI_Dravel.h"

#include "app/Shape.h"
#include "boards/Boards.h"
#include "boards/UI_BoardPicture.h"
#include "platform/Assert.h"
#include "platform/qt/Pictures.h"

#include "boards/UI_BoardForms.h"
#include "boards/max10/DravelId.h"
#include "ui_UI_Dravel.h"

#include <QColor>

#include <cstddef>

TFormDravel::TFormDravel(QWidget* owner)
    : TBoardFormOf<TConfigDravel>(owner), ui_(std::make_unique<Ui::TFormDravel>()) {
    ui_->setupUi(this);
    setFixedSize(793, 497);
    SetFormColour(QColor(235, 233, 237)); // 0xEDE9EB
    ui_->ImageQuelmar->setPixmap(platform::qt::LoadPicture(kMakerLogoPicture));
    const BoardPicture* picture = FindBoardPicture(MAINBOARD_DRAVEL);
    PINSMITH_ASSERT(picture != nullptr);
    ui_->ImageMax->setPixmap(platform::qt::LoadPicture(picture->badge));
    ShowBoardPicture(ui_->ImageBoard, *picture);

    SetBoard(*FindBoard(MAINBOARD_DRAVEL));
    SetProjectNameEdit(ui_->EditProjectName);
    SetButtons({ui_->ButtonSave, ui_->ButtonLoad, ui_->ButtonGen, ui_->ButtonExit,
                ui_->ButtonMainBoardSelect, nullptr});

    // The groups whose controls break the naming scheme.
    static constexpr TPeripheralControls kControls[] = {
        {"Arduino", nullptr, "ShapeArduino_0 ShapeArduino_1"},
    };
    BindPeripherals(kControls);

    BindPorts();

    SetBatchBeep(false);
    SetPrefixEmptyWithoutCard(true);
    InitForm();
}

TFormDravel::~TFormDravel() = default;

namespace {
const BoardFormRegistrar kFormRegistrar{MAINBOARD_DRAVEL, MakeBoardForm<TFormDravel>};
} // namespace
