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
#include <map>
#include <string>

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
    const std::map<std::string, TShape*> outlines = ShowBoardPicture(ui_->ImageBoard, *picture);
    const auto outline = [&](const char* name) { return outlines.at(name); };

    SetBoard(*FindBoard(MAINBOARD_LORSK));
    SetProjectNameEdit(ui_->EditProjectName);
    SetButtons({ui_->ButtonSave, ui_->ButtonLoad, ui_->ButtonGen, ui_->ButtonExit,
                ui_->ButtonMainBoardSelect, ui_->ButtonDefaultSetting});

    const struct {
        QCheckBox* box;
        std::size_t offset;
        const char* shape;
    } boxes[] = {
        {ui_->CheckBoxOSC, offsetof(LORSK_CONFIG, bOSC), "ShapeOSC"},
        {ui_->CheckBoxLED, offsetof(LORSK_CONFIG, bLED), "ShapeLED"},
        {ui_->CheckBoxSeg7, offsetof(LORSK_CONFIG, bSeg7), "ShapeSeg7"},
        {ui_->CheckBoxButton, offsetof(LORSK_CONFIG, bButton), "ShapeButton"},
        {ui_->CheckBoxSwitch, offsetof(LORSK_CONFIG, bSwitch), "ShapeSwitch"},
        {ui_->CheckBoxEEPROM, offsetof(LORSK_CONFIG, bEEPROM), "ShapeEEPROM"},
        {ui_->CheckBoxPS2, offsetof(LORSK_CONFIG, bPS2), "ShapePS2"},
        {ui_->CheckBoxSDCARD, offsetof(LORSK_CONFIG, bSDCARD), "ShapeSDCARD"},
        {ui_->CheckBoxVGA, offsetof(LORSK_CONFIG, bVGA), "ShapeVGA"},
        {ui_->CheckBoxSDRAM, offsetof(LORSK_CONFIG, bSDRAM), "ShapeSDRAM"},
        {ui_->CheckBoxFlash, offsetof(LORSK_CONFIG, bFlash), "ShapeFlash"},
        {ui_->CheckBoxRS232, offsetof(LORSK_CONFIG, bRS232), "ShapeRS232"},
        {ui_->CheckBoxSRAM, offsetof(LORSK_CONFIG, bSRAM), "ShapeSRAM"},
        {ui_->CheckBoxSma, offsetof(LORSK_CONFIG, bSma), "ShapeSma"},
        {ui_->CheckBoxAudio, offsetof(LORSK_CONFIG, bAudio), "ShapeAudio"},
        {ui_->CheckBoxEthernet, offsetof(LORSK_CONFIG, bEthernet), "ShapeEthernet"},
        {ui_->CheckBoxLCD, offsetof(LORSK_CONFIG, bLCD), "ShapeLCD"},
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

TFormLorsk::~TFormLorsk() = default;

namespace {
const BoardFormRegistrar kFormRegistrar{MAINBOARD_LORSK, MakeBoardForm<TFormLorsk>};
} // namespace
