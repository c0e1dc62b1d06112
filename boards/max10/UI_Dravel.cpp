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
#include <map>
#include <string>

TFormDravel::TFormDravel(QWidget* owner)
    : TBoardFormOf<TConfigDravel>(owner), ui_(std::make_unique<Ui::TFormDravel>()) {
    ui_->setupUi(this);
    setFixedSize(793, 497);
    SetFormColour(QColor(235, 233, 237)); // 0xEDE9EB
    ui_->ImageQuelmar->setPixmap(platform::qt::LoadPicture(kMakerLogoPicture));
    const BoardPicture* picture = FindBoardPicture(MAINBOARD_DRAVEL);
    PINSMITH_ASSERT(picture != nullptr);
    ui_->ImageMax->setPixmap(platform::qt::LoadPicture(picture->badge));
    const std::map<std::string, TShape*> outlines = ShowBoardPicture(ui_->ImageBoard, *picture);
    const auto outline = [&](const char* name) { return outlines.at(name); };

    SetBoard(*FindBoard(MAINBOARD_DRAVEL));
    SetProjectNameEdit(ui_->EditProjectName);
    SetButtons({ui_->ButtonSave, ui_->ButtonLoad, ui_->ButtonGen, ui_->ButtonExit,
                ui_->ButtonMainBoardSelect, nullptr});

    AddPeripheral(ui_->CheckBoxOSC, offsetof(DRAVEL_CONFIG, bOSC), {outline("ShapeOSC")});
    AddPeripheral(ui_->CheckBoxLED, offsetof(DRAVEL_CONFIG, bLED), {outline("ShapeLED")});
    AddPeripheral(ui_->CheckBoxButton, offsetof(DRAVEL_CONFIG, bButton), {outline("ShapeButton")});
    AddPeripheral(ui_->CheckBoxSwitch, offsetof(DRAVEL_CONFIG, bSwitch), {outline("ShapeSwitch")});
    AddPeripheral(ui_->CheckBoxAccelerometer, offsetof(DRAVEL_CONFIG, bAccelerometer),
                  {outline("ShapeAccelerometer")});
    AddPeripheral(ui_->CheckBoxSDRAM, offsetof(DRAVEL_CONFIG, bSDRAM), {outline("ShapeSDRAM")});
    AddPeripheral(ui_->CheckBoxVGA, offsetof(DRAVEL_CONFIG, bVGA), {outline("ShapeVGA")});
    AddPeripheral(ui_->CheckBoxSeg7, offsetof(DRAVEL_CONFIG, bSeg7), {outline("ShapeSeg7")});
    AddPeripheral(ui_->CheckBoxArduino, offsetof(DRAVEL_CONFIG, bArduino),
                  {outline("ShapeArduino_0"), outline("ShapeArduino_1")});

    BindCardPort(0, {ui_->ComboBoxGpio, ui_->EditPrefixGpio, ui_->ImageGpio, outline("ShapeGpio"),
                     Settings});

    SetBatchBeep(false);
    SetPrefixEmptyWithoutCard(true);
    InitForm();
}

TFormDravel::~TFormDravel() = default;

namespace {
const BoardFormRegistrar kFormRegistrar{MAINBOARD_DRAVEL, MakeBoardForm<TFormDravel>};
} // namespace
