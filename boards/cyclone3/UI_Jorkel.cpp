#include "boards/cyclone3/UI_Jorkel.h"

#include "app/Shape.h"
#include "boards/Boards.h"
#include "boards/UI_BoardPicture.h"
#include "platform/Assert.h"
#include "platform/qt/Pictures.h"

#include "boards/UI_BoardForms.h"
#include "boards/cyclone3/JorkelId.h"
#include "ui_UI_Jorkel.h"

#include <cstddef>

using namespace jorkel;

TFormJorkel::TFormJorkel(QWidget* owner)
    : TBoardFormOf<TConfigBase<JORKEL_CONFIG>>(owner), ui_(std::make_unique<Ui::TFormJorkel>()) {
    ui_->setupUi(this);
    setFixedSize(803, 468);
    const BoardPicture* picture = FindBoardPicture(MAINBOARD_JORKEL);
    PINSMITH_ASSERT(picture != nullptr);
    ui_->ImageQuelmar->setPixmap(platform::qt::LoadPicture(kMakerLogoPicture));
    ui_->ImageAltera->setPixmap(platform::qt::LoadPicture(picture->badge));
    ShowBoardPicture(ui_->ImageBoard, *picture);

    SetBoard(*FindBoard(MAINBOARD_JORKEL));
    SetProjectNameEdit(ui_->EditProjectName);
    SetButtons({ui_->ButtonSave, ui_->ButtonLoad, ui_->ButtonGen, ui_->ButtonExit,
                ui_->ButtonMainBoardSelect, nullptr});

    // The groups whose controls break the naming scheme.
    static constexpr TPeripheralControls kControls[] = {
        {"SDRAM", nullptr, "ShapeDDR"},
        {"FlashSSRAM", nullptr, "ShapeFlash ShapeSSRAM"},
    };
    BindPeripherals(kControls);

    BindPorts();

    SetSuccessBox(false);
    SetSavesBeforeTeardown(true);
    SetPrefixEmptyWithoutCard(true);
    InitForm();
}

TFormJorkel::~TFormJorkel() = default;

namespace {
const BoardFormRegistrar kFormRegistrar{MAINBOARD_JORKEL, MakeBoardForm<TFormJorkel>};
} // namespace
