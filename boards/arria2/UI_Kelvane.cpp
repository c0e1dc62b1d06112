#include "boards/arria2/UI_Kelvane.h"

#include "boards/Boards.h"
#include "boards/UI_BoardPicture.h"
#include "platform/Assert.h"
#include "platform/qt/Pictures.h"

#include "boards/UI_BoardForms.h"
#include "boards/arria2/KelvaneId.h"
#include "ui_UI_Kelvane.h"

#include <cstddef>

using namespace kelvane;

TFormKelvane::TFormKelvane(QWidget* owner)
    : TBoardFormOf<TConfigBase<KELVANE_CONFIG>>(owner), ui_(std::make_unique<Ui::TFormKelvane>()) {
    ui_->setupUi(this);
    setFixedSize(806, 474);
    ui_->ImageQuelmar->setPixmap(platform::qt::LoadPicture(kMakerLogoPicture));
    const BoardPicture* picture = FindBoardPicture(MAINBOARD_KELVANE);
    PINSMITH_ASSERT(picture != nullptr);
    ui_->ImageArria->setPixmap(platform::qt::LoadPicture(picture->badge));
    ShowBoardPicture(ui_->ImageBoard, *picture);

    SetBoard(*FindBoard(MAINBOARD_KELVANE));
    SetProjectNameEdit(ui_->EditProjectName);
    SetButtons(
        {ui_->ButtonSave, ui_->ButtonLoad, ui_->ButtonGen, ui_->ButtonExit, ui_->Button1, nullptr});

    // The groups whose controls break the naming scheme.
    static constexpr TPeripheralControls kControls[] = {
        {"LCD", nullptr, ""},    {"OSC", nullptr, ""},      {"LED", nullptr, ""},
        {"Button", nullptr, ""}, {"DIP", nullptr, ""},      {"DDR2", nullptr, ""},
        {"DDR3", nullptr, ""},   {"Ethernet", nullptr, ""}, {"PciBus", nullptr, ""},
    };
    BindPeripherals(kControls);
    // CheckBox2, CheckBoxProgSoc and CheckBox6 drive nothing.

    // The picture has no outlines for the ports.
    constexpr TPortControls kNoOutlines[] = {{"HSMC-A", nullptr, ""}, {"HSMC-B", nullptr, ""}};
    BindPorts({}, kNoOutlines);

    SetSuccessBox(false);
    SetPrefixEmptyWithoutCard(true);
    SetFailedLoadBox(true);
    InitForm();
}

TFormKelvane::~TFormKelvane() = default;

namespace {
const BoardFormRegistrar kFormRegistrar{MAINBOARD_KELVANE, MakeBoardForm<TFormKelvane>};
} // namespace
