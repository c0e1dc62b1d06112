#include "boards/arria10_stratix10/UI_Harvik.h"

#include "app/Shape.h"
#include "boards/Boards.h"
#include "boards/UI_BoardPicture.h"
#include "boards/arria10_stratix10/HarvikBoard.h"
#include "platform/Assert.h"
#include "platform/Ui.h"
#include "platform/qt/Pictures.h"

#include "boards/UI_BoardForms.h"
#include "boards/arria10_stratix10/HarvikId.h"
#include "ui_UI_Harvik.h"

#include <QColor>
#include <QDir>

#include <cstddef>

namespace {

void FillCombo(QComboBox* combo, const char* const* texts, int count) {
    combo->clear();
    for (int i = 0; i < count; ++i) {
        combo->addItem(QString::fromLatin1(texts[i]));
    }
    combo->setCurrentIndex(0);
    combo->setMaxVisibleItems(count);
}

} // namespace

TFormHarvik::TFormHarvik(QWidget* owner)
    : TBoardFormOf<TConfigHarvik>(owner), ui_(std::make_unique<Ui::TFormHarvik>()) {
    ui_->setupUi(this);
    setFixedSize(840, 737);
    setWindowTitle("Harvik Pinsmith V1.0.0");
    SetFormColour(QColor(235, 233, 237));
    const BoardPicture* picture = FindBoardPicture(MAINBOARD_HARVIK);
    PINSMITH_ASSERT(picture != nullptr);
    ShowBoardPicture(ui_->ImageBoard, *picture);
    ui_->ImageQuelmar->setPixmap(platform::qt::LoadPicture(kMakerLogoPicture));
    ui_->ImageStratix->setPixmap(platform::qt::LoadPicture(picture->badge));

    SetBoard(*FindBoard(MAINBOARD_HARVIK));
    SetProjectNameEdit(ui_->EditProjectName);
    SetButtons({ui_->ButtonSave, ui_->ButtonLoad, ui_->ButtonGen, ui_->ButtonExit,
                ui_->ButtonMainBoardSelect, nullptr});

    // The groups whose controls break the naming scheme.
    static constexpr TPeripheralControls kControls[] = {
        {"Power", nullptr, "ShapePower12V ShapePowerCore"},
    };
    BindPeripherals(kControls);

    BindPorts();

    ui_->ComboBoxFileType->addItem("Verilog");
    ui_->ComboBoxFileType->addItem("VHDL");
    ui_->ComboBoxFileType->setCurrentIndex(0);
    xcvrCombos_ = {ui_->ComboBox_QSFP28A, ui_->ComboBox_QSFP28B, ui_->ComboBox_QSFP28C,
                   ui_->ComboBox_QSFP28D};
    memCombos_ = {ui_->ComboBox_DDR4A, ui_->ComboBox_DDR4B, ui_->ComboBox_DDR4C,
                  ui_->ComboBox_DDR4D};
    for (QComboBox* combo : xcvrCombos_) {
        FillCombo(combo, harvik::kXcvrRefTexts, TConfigHarvik::GetXcvrRefCount());
    }
    for (QComboBox* combo : memCombos_) {
        FillCombo(combo, harvik::kMemRefTexts, harvik::kMemRefItems);
    }

    connect(ui_->Button_DDR4_Config, &QPushButton::clicked, this,
            [this] { Button_DDR4_ConfigClick(); });
    connect(ui_->Button_QDR2_Config, &QPushButton::clicked, this,
            [this] { Button_QDR2_ConfigClick(); });
    connect(ui_->Button_QDR4_Config, &QPushButton::clicked, this,
            [this] { Button_QDR4_ConfigClick(); });
    connect(ui_->Button1, &QPushButton::clicked, this, [this] { Button1Click(); });

    SetPrefixEmptyWithoutCard(true);
    InitForm();
}

TFormHarvik::~TFormHarvik() = default;

void TFormHarvik::ConfigToBoardControls(const HARVIK_CONFIG& record) {
    ui_->ComboBoxFileType->setCurrentIndex(record.TopFileVhdl ? 1 : 0);
    for (std::size_t i = 0; i < 4; ++i) {
        xcvrCombos_[i]->setCurrentIndex(record.XcvrRefIndex[i]);
        memCombos_[i]->setCurrentIndex(record.MemRefIndex[i]);
    }
}

void TFormHarvik::BoardControlsToConfig(HARVIK_CONFIG& record) {
    record.TopFileVhdl = ui_->ComboBoxFileType->currentIndex() == 1 ? 1 : 0;
    for (std::size_t i = 0; i < 4; ++i) {
        record.XcvrRefIndex[i] = xcvrCombos_[i]->currentIndex();
        record.MemRefIndex[i] = memCombos_[i]->currentIndex();
    }
}

void TFormHarvik::ApplyPreset(HarvikMemory kind) {
    SetHarvikPreset(RecordBytes(), kind);
    ShowRecord();
}

void TFormHarvik::Button_DDR4_ConfigClick() {
    ApplyPreset(HarvikMemory::Ddr4);
}

void TFormHarvik::Button_QDR2_ConfigClick() {
    ApplyPreset(HarvikMemory::Qdr2);
}

void TFormHarvik::Button_QDR4_ConfigClick() {
    ApplyPreset(HarvikMemory::Qdr4);
}

void TFormHarvik::Button1Click() {
    std::string folder = QDir::currentPath().toStdString();
    if (folder.empty() || folder.back() != '/') {
        folder += '/';
    }
    platform::InformationBox(ExportHarvikHsmcPinLists(folder) ? "success" : "failed");
}

std::string TFormHarvik::ReminderText() const {
    std::string text;
    bool kinds[3] = {false, false, false};
    for (int s = 0; s < PortCount(); ++s) {
        const HarvikMemory kind = HarvikMemoryFamily(PortCard(s));
        if (kind != HarvikMemory::None) {
            kinds[static_cast<int>(kind)] = true;
        }
    }
    std::string words;
    const char* const names[3] = {"DDR4-SDRAM", "QDR-II+ SRAM", "QDR-IV SRAM"};
    for (int k = 0; k < 3; ++k) {
        if (kinds[k]) {
            words += (words.empty() ? "" : "/") + std::string(names[k]);
        }
    }
    if (!words.empty()) {
        const char* w = words.c_str();
        text += platform::Format("===== %s Pinsmith warning =====\r\n", w);
        text += platform::Format(
            "Please add the %s Controller IP to your Quartus project, follow by\r\n", w);
        text += "the steps below to prevent any errors from occurring during compilation.\r\n";
        text += "\r\n";
        text += platform::Format("1). Create correct pin assignment for %s.\r\n", w);
        text += platform::Format("2). Setup correct parameters in %s controller dialog. \r\n", w);
        text += platform::Format(
            "3). Execute TCL files, generated by %s IP, under your Quartus project.\r\n", w);
        text += "\r\n";
    }
    const bool pcie = ui_->CheckBoxPCIe->isChecked();
    const bool qsfp = ui_->CheckBoxQSFP28_A->isChecked() || ui_->CheckBoxQSFP28_B->isChecked() ||
                      ui_->CheckBoxQSFP28_C->isChecked() || ui_->CheckBoxQSFP28_D->isChecked();
    if (pcie || qsfp) {
        const std::string word = pcie && qsfp ? "PCIe/QSFP28" : pcie ? "PCIe" : "QSFP28";
        text += platform::Format("===== %s  Transceiver Pinsmith warning =====\r\n", word.c_str());
        text += "To prevent any errors while compiling your Quartus project, either comment out "
                "the\r\n";
        text += "transceiver signals in the top level entity if they are not in use or add the "
                "Altera \r\n";
        text += "Transceiver IP to your design.\r\n";
    }
    return text;
}

void TFormHarvik::BeforeSuccessBox() {
    const std::string text = ReminderText();
    if (!text.empty()) {
        platform::InformationBox(text);
    }
}

namespace {
const BoardFormRegistrar kFormRegistrar{MAINBOARD_HARVIK, MakeBoardForm<TFormHarvik>};
} // namespace
