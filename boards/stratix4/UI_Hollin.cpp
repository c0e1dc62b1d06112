#include "boards/stratix4/UI_Hollin.h"

#include "app/Shape.h"
#include "boards/Boards.h"
#include "boards/GenerateReminders.h"
#include "boards/UI_BoardPicture.h"
#include "platform/Assert.h"
#include "platform/Ui.h"
#include "platform/qt/Pictures.h"

#include "boards/UI_BoardForms.h"
#include "boards/stratix4/HollinId.h"
#include "ui_UI_Hollin.h"

#include <QColor>

#include <cstddef>

using namespace hollin;

TFormHollin::TFormHollin(QWidget* owner)
    : TBoardFormOf<TConfigBase<HOLLIN_CONFIG>>(owner), ui_(std::make_unique<Ui::TFormHollin>()) {
    ui_->setupUi(this);
    setFixedSize(831, 736);
    SetFormColour(QColor(235, 233, 237)); // 0xEDE9EB
    ui_->ImageQuelmar->setPixmap(platform::qt::LoadPicture(kMakerLogoPicture));
    const BoardPicture* picture = FindBoardPicture(MAINBOARD_HOLLIN);
    PINSMITH_ASSERT(picture != nullptr);
    ui_->ImageStratix->setPixmap(platform::qt::LoadPicture(picture->badge));
    ShowBoardPicture(ui_->ImageBoard, *picture);

    SetBoard(*FindBoard(MAINBOARD_HOLLIN));
    SetProjectNameEdit(ui_->EditProjectName);
    SetButtons({ui_->ButtonSave, ui_->ButtonLoad, ui_->ButtonGen, ui_->ButtonExit,
                ui_->ButtonMainBoardSelect, ui_->ButtonDefaultSetting});

    BindPeripherals();

    const TPortList lists[] = {
        {"FMC-A", fmcList_}, {"FMC-B", fmcList_}, {"FMC-C", fmcList_}, {"FMC-D", fmcList_}};
    // The FMC pictures stay empty.
    constexpr TPortControls kNoPictures[] = {
        {"FMC-A", ""}, {"FMC-B", ""}, {"FMC-C", ""}, {"FMC-D", ""}};
    BindPorts(lists, kNoPictures);

    SetSuccessBox(false);
    SetSavesBeforeTeardown(true);
    SetPrefixEmptyWithoutCard(true);
    SetFailedLoadBox(true);
    InitForm();
}

TFormHollin::~TFormHollin() = default;

void TFormHollin::AfterGenerateSuccess() {
    if (!ui_->CheckBoxDDR3->isChecked()) {
        return;
    }
    platform::InformationBox(reminders::MemoryController("DDR3"));
}

namespace {
const BoardFormRegistrar kFormRegistrar{MAINBOARD_HOLLIN, MakeBoardForm<TFormHollin>};
} // namespace
