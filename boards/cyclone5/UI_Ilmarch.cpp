#include "boards/cyclone5/UI_Ilmarch.h"

#include "app/BoardFormFactory.h"
#include "app/Shape.h"
#include "boards/Boards.h"
#include "platform/Ui.h"
#include "platform/qt/Pictures.h"

#include "boards/UI_BoardForms.h"
#include "boards/cyclone5/IlmarchId.h"
#include "ui_UI_Ilmarch.h"

#include <QColor>

#include <cstddef>

using namespace ilmarch;

namespace {

// Voltage combo index -> voltage code.
constexpr std::int32_t kVoltageCodes[] = {5, 3, 2, 1};
constexpr const char* kVoltageItems[] = {"3.3 V(Default)", "2.5 V", "1.8 V", "1.5 V"};

} // namespace

TFormIlmarch::TFormIlmarch(QWidget* owner)
    : TBoardFormOf<TConfigBase<ILMARCH_CONFIG>>(owner), ui_(std::make_unique<Ui::TFormIlmarch>()) {
    ui_->setupUi(this);
    SetFormColour(QColor(235, 233, 237));
    // "Change Main Board" only where there is another board to change to.
    ui_->ButtonMainBoardSelect->setVisible(OffersOtherBoards());
    CopyCaptionToMainWindow();
    ui_->ImageBoard->setPixmap(platform::qt::LoadPicture("ILMARCH_BITMAP"));

    SetBoard(*FindBoard(MAINBOARD_ILMARCH));
    SetProjectNameEdit(ui_->EditProjectName);
    SetButtons({ui_->ButtonSave, ui_->ButtonLoad, ui_->ButtonGen, ui_->ButtonExit,
                ui_->ButtonMainBoardSelect, ui_->ButtonDefaultSetting});

    // The groups whose controls break the naming scheme.
    static constexpr TPeripheralControls kControls[] = {
        {"Seg7", nullptr, "ShapeSeg7_x2"},
        {"Arduino", nullptr, "ShapeArduino_0 ShapeArduino_1 ShapeArduinoADC"},
    };
    BindPeripherals(kControls);

    // Both headers show the one card list of the settings holder.
    BindPorts();
    SetListsDependOnRecord(true);
    connect(ui_->ComboBoxGpioVol, &QComboBox::activated, this, [this] { ComboBoxGpioVolChange(); });

    InitForm();
}

TFormIlmarch::~TFormIlmarch() = default;

void TFormIlmarch::BeforeShowRecord() {
    FillVoltageCombo();
}

void TFormIlmarch::FillVoltageCombo() {
    Settings.Config.GpioVoltage = IlmarchVoltageOrDefault(Settings.Config.GpioVoltage);
    ui_->ComboBoxGpioVol->clear();
    for (const char* item : kVoltageItems) {
        ui_->ComboBoxGpioVol->addItem(item);
    }
    SelectVoltageCode(Settings.Config.GpioVoltage);
}

std::int32_t TFormIlmarch::GetVoltageCode() const {
    const int index = ui_->ComboBoxGpioVol->currentIndex();
    return index >= 0 && index < static_cast<int>(std::size(kVoltageCodes)) ? kVoltageCodes[index]
                                                                            : kVoltageCodes[0];
}

void TFormIlmarch::SelectVoltageCode(std::int32_t code) {
    int index = 0;
    for (int i = 0; i < static_cast<int>(std::size(kVoltageCodes)); ++i) {
        if (kVoltageCodes[i] == code) {
            index = i;
        }
    }
    ui_->ComboBoxGpioVol->setCurrentIndex(index);
}

void TFormIlmarch::ComboBoxGpioVolChange() {
    const std::int32_t code = GetVoltageCode();
    if (code == Settings.Config.GpioVoltage) {
        return;
    }
    Settings.Config.GpioVoltage = code;
    for (int header = GPIO_0; header <= GPIO_1; ++header) {
        Settings.Config.nGpioDaughterId[header] = 0;
        SetIlmarchText(Settings.Config.GpioPrefixName[header], "");
        Port(header).Combo->setEnabled(true);
        Port(header).Prefix->setEnabled(true);
    }
    FillCardCombos();
    UpdateShapes();
    UpdateCardPictures();
}

void TFormIlmarch::UpdateBoardShapes() {
    const int index = ui_->ComboBoxGpioVol->currentIndex();
    ui_->ShapeGpio3V3->setVisible(index == 0);
    ui_->ShapeGpio2V5->setVisible(index == 1);
    ui_->ShapeGpio1V8->setVisible(index == 2);
    ui_->ShapeGpio1V5->setVisible(index == 3);
}

void TFormIlmarch::AfterGenerateSuccess() {
    ShowJumperReminder();
}

void TFormIlmarch::ShowJumperReminder() {
    if (PortCard(GPIO_0) == CARD_NONE && PortCard(GPIO_1) == CARD_NONE) {
        return;
    }
    platform::InformationBox(platform::Format(
        "GPIO Daugher cards are selected.\r\n"
        "Please make sure GPIO VCCIO %s is setup correctly on the JP1 of the ILMARCH board.\r\n",
        IlmarchJumperText(GetVoltageCode()).c_str()));
}

namespace {
const BoardFormRegistrar kFormRegistrar{MAINBOARD_ILMARCH, MakeBoardForm<TFormIlmarch>};
} // namespace
