#include "boards/stratix4/UI_GaldreX1.h"

#include "app/Shape.h"
#include "boards/Boards.h"
#include "boards/GenerateReminders.h"
#include "boards/UI_BoardPicture.h"
#include "boards/stratix4/GaldreX1Board.h"
#include "platform/Assert.h"
#include "platform/Ui.h"
#include "platform/qt/Pictures.h"

#include "boards/UI_BoardForms.h"
#include "boards/stratix4/GaldreX1Id.h"
#include "ui_UI_GaldreX1.h"

#include <QColor>

#include <cstddef>
#include <string>

using namespace galdrex1;

TFormGaldre_X1::TFormGaldre_X1(QWidget* owner)
    : TBoardFormOf<TConfigBase<GALDRE_X1_CONFIG>>(owner),
      ui_(std::make_unique<Ui::TFormGaldre_X1>()) {
    ui_->setupUi(this);
    setFixedSize(828, 721);
    SetFormColour(QColor(235, 233, 237)); // 0xEDE9EB
    const BoardPicture* picture = FindBoardPicture(MAINBOARD_GALDRE_X1);
    PINSMITH_ASSERT(picture != nullptr);
    ui_->ImageQuelmar->setPixmap(platform::qt::LoadPicture(kMakerLogoPicture));
    ui_->ImageStratix->setPixmap(platform::qt::LoadPicture(picture->badge));
    ShowBoardPicture(ui_->ImageBoard, *picture);

    SetBoard(*FindBoard(MAINBOARD_GALDRE_X1));
    SetProjectNameEdit(ui_->EditProjectName);
    SetButtons({ui_->ButtonSave, ui_->ButtonLoad, ui_->ButtonGen, ui_->ButtonExit,
                ui_->ButtonMainBoardSelect, ui_->ButtonDefaultSetting});

    // The group whose controls break the naming scheme.
    static constexpr TPeripheralControls kControls[] = {
        {"ExtPLL", nullptr, "ShapeExtPLL0 ShapeExtPLL1 ShapeExtPLL2"},
    };
    BindPeripherals(kControls);

    const TPortList lists[] = {{"GPIO-0", GpioList}, {"GPIO-1", GpioList}};
    BindPorts(lists);

    ui_->ComboBoxBoard->addItems({"Galdre_230", "Galdre_530"});
    pll_ = std::make_unique<TPllCombos>(std::array<QComboBox*, kExtPllCount>{
        ui_->ComboBoxPLL_HSMA, ui_->ComboBoxPLL_HSMB, ui_->ComboBoxPLL_SATA});
    // A new variant: the controls into the held record, then the record
    // shown again.
    connect(ui_->ComboBoxBoard, &QComboBox::activated, this, [this](int) {
        ReadControlsInto(RecordBytes());
        ShowRecord();
    });

    SetSuccessBox(false);
    SetSavesBeforeTeardown(true);
    SetPrefixEmptyWithoutCard(true);
    SetFailedLoadBox(true);
    InitForm();
}

TFormGaldre_X1::~TFormGaldre_X1() = default;

void TFormGaldre_X1::ConfigToBoardControls(const GALDRE_X1_CONFIG& record) {
    ui_->ComboBoxBoard->setCurrentIndex(record.nBoardTypeIndex);
    pll_->Show(record.nExtPllIndex, record.bExtPLL != 0);
}

void TFormGaldre_X1::BoardControlsToConfig(GALDRE_X1_CONFIG& record) {
    record.nBoardTypeIndex = static_cast<std::uint8_t>(ui_->ComboBoxBoard->currentIndex());
    pll_->Read(record.nExtPllIndex, ui_->CheckBoxExtPLL->isChecked());
}

void TFormGaldre_X1::CheckBoxClick() {
    TBoardForm::CheckBoxClick();
    pll_->Follow(Settings.Config.nExtPllIndex, ui_->CheckBoxExtPLL->isChecked());
}

bool TFormGaldre_X1::ConfirmGenerate() {
    const std::string warning = TransceiverPlacementWarning(PortCard(HSMC_A), PortCard(HSMC_B));
    if (!warning.empty()) {
        platform::WarningBox(warning);
    }
    return true;
}

void TFormGaldre_X1::AfterGenerateSuccess() {
    std::string note;
    if (ui_->CheckBoxDDR2_0->isChecked() || ui_->CheckBoxDDR2_1->isChecked()) {
        note += reminders::MemoryController("DDR2");
    }
    const bool sata = ui_->CheckBoxSata_0->isChecked() || ui_->CheckBoxSata_1->isChecked() ||
                      ui_->CheckBoxSata_2->isChecked() || ui_->CheckBoxSata_3->isChecked();
    const bool pcie = ui_->CheckBoxPCIe->isChecked();
    const bool hsmc = IsTransceiverBoard(PortCard(HSMC_A)) || IsTransceiverBoard(PortCard(HSMC_B));
    if (sata || pcie || hsmc) {
        std::string interfaces;
        for (const auto& [on, name] :
             {std::pair{sata, "SATA"}, std::pair{pcie, "PCIe"}, std::pair{hsmc, "HSMC"}}) {
            if (on) {
                interfaces += (interfaces.empty() ? "" : "//") + std::string(name);
            }
        }
        note += reminders::TransceiverSignals(interfaces, "Transceiver");
    }
    if (!note.empty()) {
        platform::InformationBox(note);
    }
}

namespace {
const BoardFormRegistrar kFormRegistrar{MAINBOARD_GALDRE_X1, MakeBoardForm<TFormGaldre_X1>};
} // namespace
