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
#include <map>
#include <string>

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
    const std::map<std::string, TShape*> outlines = ShowBoardPicture(ui_->ImageBoard, *picture);
    const auto outline = [&](const char* name) { return outlines.at(name); };

    SetBoard(*FindBoard(MAINBOARD_HOLLIN));
    SetProjectNameEdit(ui_->EditProjectName);
    SetButtons({ui_->ButtonSave, ui_->ButtonLoad, ui_->ButtonGen, ui_->ButtonExit,
                ui_->ButtonMainBoardSelect, ui_->ButtonDefaultSetting});

    BindPeripherals();

    BindCardPort(0, {ui_->ComboBoxHSMC_A, ui_->EditHSMC_A, ui_->ImageHSMC_A, outline("ShapeHSMC_A"),
                     Settings});
    BindCardPort(1, {ui_->ComboBoxHSMC_B, ui_->EditHSMC_B, ui_->ImageHSMC_B, outline("ShapeHSMC_B"),
                     Settings});
    // The FMC pictures stay empty.
    BindCardPort(2, {ui_->ComboBoxFMC_A, ui_->EditFMC_A, nullptr, outline("ShapeFMC_A"), fmcList_});
    BindCardPort(3, {ui_->ComboBoxFMC_B, ui_->EditFMC_B, nullptr, outline("ShapeFMC_B"), fmcList_});
    BindCardPort(4, {ui_->ComboBoxFMC_C, ui_->EditFMC_C, nullptr, outline("ShapeFMC_C"), fmcList_});
    BindCardPort(5, {ui_->ComboBoxFMC_D, ui_->EditFMC_D, nullptr, outline("ShapeFMC_D"), fmcList_});

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
