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
#include <map>
#include <string>

TFormBrovan::TFormBrovan(QWidget* owner)
    : TBoardFormOf<TConfigBase<BROVAN_CONFIG>>(owner), ui_(std::make_unique<Ui::TFormBrovan>()) {
    ui_->setupUi(this);
    setFixedSize(793, 559);
    SetFormColour(QColor(235, 233, 237)); // 0xEDE9EB
    ui_->ImageQuelmar->setPixmap(platform::qt::LoadPicture(kMakerLogoPicture));
    const BoardPicture* picture = FindBoardPicture(MAINBOARD_BROVAN);
    PINSMITH_ASSERT(picture != nullptr);
    ui_->ImageMax->setPixmap(platform::qt::LoadPicture(picture->badge));
    const std::map<std::string, TShape*> outlines = ShowBoardPicture(ui_->ImageBoard, *picture);
    const auto outline = [&](const char* name) { return outlines.at(name); };

    SetBoard(*FindBoard(MAINBOARD_BROVAN));
    SetProjectNameEdit(ui_->EditProjectName);
    SetButtons({ui_->ButtonSave, ui_->ButtonLoad, ui_->ButtonGen, ui_->ButtonExit,
                ui_->ButtonMainBoardSelect, ui_->ButtonDefault});

    AddPeripheral(ui_->CheckBoxOSC, offsetof(BROVAN_CONFIG, bOSC), {outline("ShapeOSC")});
    AddPeripheral(ui_->CheckBoxLED, offsetof(BROVAN_CONFIG, bLED), {outline("ShapeLED")});
    AddPeripheral(ui_->CheckBoxButton, offsetof(BROVAN_CONFIG, bButton), {outline("ShapeButton")});
    AddPeripheral(ui_->CheckBoxSwitch, offsetof(BROVAN_CONFIG, bSwitch), {outline("ShapeSwitch")});
    AddPeripheral(ui_->CheckBoxHex, offsetof(BROVAN_CONFIG, bHex), {outline("ShapeHex")});
    AddPeripheral(ui_->CheckBoxPowerMonitor, offsetof(BROVAN_CONFIG, bPowerMonitor),
                  {outline("ShapePowerMonitor")});
    AddPeripheral(ui_->CheckBoxGSensor, offsetof(BROVAN_CONFIG, bGSensor),
                  {outline("ShapeGsensor")});
    AddPeripheral(ui_->CheckBoxHumiditySensor, offsetof(BROVAN_CONFIG, bHumiditySensor),
                  {outline("ShapeHumiditySensor")});
    AddPeripheral(ui_->CheckBoxLightSensor, offsetof(BROVAN_CONFIG, bLightSensor),
                  {outline("ShapeLightSensor")});
    AddPeripheral(ui_->CheckBoxAudio, offsetof(BROVAN_CONFIG, bAudio), {outline("ShapeAudio")});
    AddPeripheral(ui_->CheckBoxHdmiRx, offsetof(BROVAN_CONFIG, bHdmiRx), {outline("ShapeHdmiRx")});
    AddPeripheral(ui_->CheckBoxSdCard, offsetof(BROVAN_CONFIG, bSdCard), {outline("ShapeSdCard")});
    AddPeripheral(ui_->CheckBoxQspiFlash, offsetof(BROVAN_CONFIG, bQspiFlash),
                  {outline("ShapeQspiFlash")});
    AddPeripheral(ui_->CheckBoxPS2, offsetof(BROVAN_CONFIG, bPS2), {outline("ShapePS2")});
    AddPeripheral(ui_->CheckBoxDDR3, offsetof(BROVAN_CONFIG, bDDR3), {outline("ShapeDDR3")});
    AddPeripheral(ui_->CheckBoxUart2Usb, offsetof(BROVAN_CONFIG, bUart2Usb),
                  {outline("ShapeUart2Usb")});
    AddPeripheral(ui_->CheckBoxEthernet, offsetof(BROVAN_CONFIG, bEthernet),
                  {outline("ShapeEthernet")});
    AddPeripheral(ui_->CheckBoxDAC, offsetof(BROVAN_CONFIG, bDAC), {outline("ShapeDAC")});
    AddPeripheral(ui_->CheckBoxMIPI, offsetof(BROVAN_CONFIG, bMIPI), {outline("ShapeMIPI")});
    AddPeripheral(ui_->CheckBoxWistel2, offsetof(BROVAN_CONFIG, bWistel2),
                  {outline("ShapeWistel2")});

    BindCardPort(0, {ui_->ComboBoxErgan, ui_->EditPrefixErgan, ui_->ImageGpio0,
                     outline("ShapeErgan"), Settings});

    SetCtrlBeep(true);
    SetPrefixEmptyWithoutCard(true);
    InitForm();
}

TFormBrovan::~TFormBrovan() = default;

namespace {
const BoardFormRegistrar kFormRegistrar{MAINBOARD_BROVAN, MakeBoardForm<TFormBrovan>};
} // namespace
