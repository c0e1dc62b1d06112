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
#include <map>
#include <string>

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
    const std::map<std::string, TShape*> outlines = ShowBoardPicture(ui_->ImageBoard, *picture);
    const auto outline = [&](const char* name) { return outlines.at(name); };

    SetBoard(*FindBoard(MAINBOARD_MARWEN));
    SetProjectNameEdit(ui_->EditProjectName);
    SetButtons({ui_->ButtonSave, ui_->ButtonLoad, ui_->ButtonGen, ui_->ButtonExit,
                ui_->ButtonMainBoardSelect, nullptr});

    const struct {
        QCheckBox* box;
        std::size_t offset;
        const char* shape;
    } boxes[] = {
        {ui_->CheckBoxOSC, offsetof(MARWEN_CONFIG, bOSC), "ShapeOSC"},
        {ui_->CheckBoxLED, offsetof(MARWEN_CONFIG, bLED), "ShapeLED"},
        {ui_->CheckBoxSeg7, offsetof(MARWEN_CONFIG, bSeg7), "ShapeSeg7"},
        {ui_->CheckBoxButton, offsetof(MARWEN_CONFIG, bButton), "ShapeButton"},
        {ui_->CheckBoxSwitch, offsetof(MARWEN_CONFIG, bSwitch), "ShapeSwitch"},
        {ui_->CheckBoxEEPROM, offsetof(MARWEN_CONFIG, bEEPROM), "ShapeEEPROM"},
        {ui_->CheckBoxSDCARD, offsetof(MARWEN_CONFIG, bSDCARD), "ShapeSDCARD"},
        {ui_->CheckBoxVGA, offsetof(MARWEN_CONFIG, bVGA), "ShapeVGA"},
        {ui_->CheckBoxLCD, offsetof(MARWEN_CONFIG, bLCD), "ShapeLCD"},
        {ui_->CheckBoxSDRAM, offsetof(MARWEN_CONFIG, bSDRAM), "ShapeSDRAM"},
        {ui_->CheckBoxFlash, offsetof(MARWEN_CONFIG, bFlash), "ShapeFlash"},
        {ui_->CheckBoxRS232, offsetof(MARWEN_CONFIG, bRS232), "ShapeRS232"},
        {ui_->CheckBoxAccelerometer, offsetof(MARWEN_CONFIG, bAccelerometer), "ShapeAccelerometer"},
        {ui_->CheckBoxSSRAM, offsetof(MARWEN_CONFIG, bSSRAM), "ShapeSSRAM"},
        {ui_->CheckBoxSma, offsetof(MARWEN_CONFIG, bSma), "ShapeSma"},
        {ui_->CheckBoxIR, offsetof(MARWEN_CONFIG, bIR), "ShapeIR"},
        {ui_->CheckBoxEthernet, offsetof(MARWEN_CONFIG, bEthernet), "ShapeEthernet"},
        {ui_->CheckBoxTvDecode, offsetof(MARWEN_CONFIG, bTvDecode), "ShapeTvDecode"},
        {ui_->CheckBoxPCIeHardIP, offsetof(MARWEN_CONFIG, bPCIeHardIP), "ShapePCIeHardIP"},
        {ui_->CheckBoxPCIeSoftIP, offsetof(MARWEN_CONFIG, bPCIeSoftIP), "ShapePCIeSoftIP"},
    };
    for (const auto& b : boxes) {
        AddPeripheral(b.box, b.offset, {outline(b.shape)});
    }

    BindCardPort(GPIO, {ui_->ComboBoxGpio, ui_->EditPrefixGpio, ui_->ImageGpio,
                        outline("ShapeGpio"), GpioCardList});
    BindCardPort(HSMC, {ui_->ComboBoxHSMC, ui_->EditPrefixHSMC, ui_->ImageHSMC,
                        outline("ShapeHSMC"), Settings});

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
