#include "boards/stratix5/UI_Calvet.h"

#include "app/Shape.h"
#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/GenerateReminders.h"
#include "boards/UI_BoardPicture.h"
#include "platform/Assert.h"
#include "platform/Ui.h"
#include "platform/qt/Pictures.h"

#include "boards/UI_BoardForms.h"
#include "boards/stratix5/CalvetId.h"
#include "ui_UI_Calvet.h"

#include <QColor>

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

using namespace calvet;

namespace {

// The items of each output's combo, "Disable" first; unused places null.
constexpr int kMostItems = 4;
const char* const kCdcmItems[kCdcmOutputs][kMostItems] = {
    {"Disable", "100.0", "125.0", "150.0"}, // FMCA_REFCLK_0
    {"Disable", "100.0", "125.0", "150.0"}, // FMCD_REFCLK_0
    {"Disable", "150.0"},                   // SATA_HOST_REFCLK
    {"Disable", "150.0"},                   // SATA_DEVICE_REFCLK
    {"Disable", "100.0"},                   // PCIE_OB_REFCLK
    {"Disable", "133.333"},                 // DDR3_REFCLK
};
const char* const kLmkItems[kMostItems] = {"Disable", "322.265625", "644.53125"};

const char* const kDdr3Question =
    "DDR3 is enabled but the associated referece clock is not configured.\r\n"
    "Please check the CDCM PLL and enable DDR3 reference clcok before you proceed to the next "
    "step.\r\n"
    "Do you want to continue?";

void FillCombo(QComboBox* combo, const char* const (&items)[kMostItems], int rows) {
    combo->clear();
    for (const char* item : items) {
        if (item) {
            combo->addItem(QString::fromLatin1(item));
        }
    }
    combo->setMaxVisibleItems(rows);
}

} // namespace

TFormCalvet::TFormCalvet(QWidget* owner)
    : TBoardFormOf<TConfigCalvet>(owner), ui_(std::make_unique<Ui::TFormCalvet>()) {
    ui_->setupUi(this);
    setFixedSize(835, 826);
    SetFormColour(QColor(235, 233, 237)); // 0xEDE9EB
    const BoardPicture* picture = FindBoardPicture(MAINBOARD_CALVET);
    PINSMITH_ASSERT(picture != nullptr);
    ui_->ImageQuelmar->setPixmap(platform::qt::LoadPicture(kMakerLogoPicture));
    ui_->ImageStratix->setPixmap(platform::qt::LoadPicture(picture->badge));
    ShowBoardPicture(ui_->ImageBoard, *picture);

    SetBoard(*FindBoard(MAINBOARD_CALVET));
    SetProjectNameEdit(ui_->EditProjectName);
    SetButtons({ui_->ButtonSave, ui_->ButtonLoad, ui_->ButtonGen, ui_->ButtonExit,
                ui_->ButtonMainBoardSelect, ui_->ButtonDefault});

    // The groups whose controls break the naming scheme.
    static constexpr TPeripheralControls kControls[] = {
        {"ExtCdcmPLL", nullptr, "ShapeCDCM6208"},
        {"ExtLmkPLL", nullptr, "ShapeLMK04906"},
    };
    BindPeripherals(kControls);

    const TPortList lists[] = {
        {"FMC-A", HpcList}, {"FMC-B", LpcList}, {"FMC-C", LpcList}, {"FMC-D", HpcList}};
    BindPorts(lists);

    ui_->ComboBoxBoard->addItems({"CALVET_A7(5SGXEA7N2F45C2N)", "CALVET_AB(5SGXEABN2F45C2N)",
                                  "CALVET_AB(5SGXEABN3F45I3NYY)"});
    PINSMITH_ASSERT(ui_->ComboBoxBoard->count() == kDeviceVariants);
    cdcm_[0] = ui_->ComboBoxPLL_FMCA;
    cdcm_[1] = ui_->ComboBoxPLL_FMCD;
    cdcm_[2] = ui_->ComboBoxPLL_SATA_HOST;
    cdcm_[3] = ui_->ComboBoxPLL_SATA_DEVICE;
    cdcm_[4] = ui_->ComboBoxPLL_PCIE;
    cdcm_[5] = ui_->ComboBoxPLL_DDR3;
    for (int i = 0; i < kCdcmOutputs; ++i) {
        FillCombo(cdcm_[i], kCdcmItems[i], 15);
        PINSMITH_ASSERT(cdcm_[i]->count() == kLastCdcmIndex[i] + 1);
    }
    lmk_[0] = ui_->ComboBoxPLL_FMCA_PLUS;
    lmk_[1] = ui_->ComboBoxPLL_FMCB_PLUS;
    lmk_[2] = ui_->ComboBoxPLL_FMCC_PLUS;
    lmk_[3] = ui_->ComboBoxPLL_FMCD_PLUS;
    for (QComboBox* combo : lmk_) {
        FillCombo(combo, kLmkItems, 3);
        PINSMITH_ASSERT(combo->count() == kLastLmkIndex + 1);
    }
    cdcmChip_ = {ui_->CheckBoxExtCdcmPLL, cdcm_, kCdcmOutputs, false};
    lmkChip_ = {ui_->CheckBoxExtLmkPLL, lmk_, kLmkOutputs, false};

    SetPrefixEmptyWithoutCard(true);
    SetFailedLoadBox(true);
    InitForm();
}

TFormCalvet::~TFormCalvet() = default;

void TFormCalvet::ShowChip(ChipCombos& chip, const std::uint8_t* choices, bool ticked) {
    chip.ticked = ticked;
    for (int i = 0; i < chip.count; ++i) {
        chip.combos[i]->setCurrentIndex(ticked ? choices[i] : 0);
        chip.combos[i]->setEnabled(ticked);
    }
}

void TFormCalvet::ConfigToBoardControls(const CALVET_CONFIG& record) {
    ui_->ComboBoxBoard->setCurrentIndex(record.DeviceVariant);
    ShowChip(cdcmChip_, record.CdcmOutputIndex, record.Cdcm6208Pll != 0);
    ShowChip(lmkChip_, record.LmkOutputIndex, record.Lmk04906Pll != 0);
}

void TFormCalvet::BoardControlsToConfig(CALVET_CONFIG& record) {
    record.DeviceVariant = static_cast<std::uint8_t>(ui_->ComboBoxBoard->currentIndex());
    const bool cdcm = ui_->CheckBoxExtCdcmPLL->isChecked();
    for (int i = 0; i < kCdcmOutputs; ++i) {
        record.CdcmOutputIndex[i] = static_cast<std::uint8_t>(cdcm ? cdcm_[i]->currentIndex() : 0);
    }
    const bool lmk = ui_->CheckBoxExtLmkPLL->isChecked();
    for (int i = 0; i < kLmkOutputs; ++i) {
        record.LmkOutputIndex[i] = static_cast<std::uint8_t>(lmk ? lmk_[i]->currentIndex() : 0);
    }
}

// Only a chip's box going from clear to ticked brings back the record's
// choices; other clicks keep what the user picked.
void TFormCalvet::CheckBoxClick() {
    TBoardForm::CheckBoxClick();
    if (cdcmChip_.box->isChecked() != cdcmChip_.ticked) {
        ShowChip(cdcmChip_, Settings.Config.CdcmOutputIndex, cdcmChip_.box->isChecked());
    }
    if (lmkChip_.box->isChecked() != lmkChip_.ticked) {
        ShowChip(lmkChip_, Settings.Config.LmkOutputIndex, lmkChip_.box->isChecked());
    }
}

bool TFormCalvet::CheckSettings() {
    const std::vector<std::uint8_t> bytes = ControlsRecord();
    const CALVET_CONFIG record = RecordAs<CALVET_CONFIG>(bytes);
    std::string message;
    const bool named = CheckCommonRecord(Definition(), bytes, message);
    // Asked even when the name or a prefix failed: that box comes last.
    if (Ddr3ClockMissing(record) &&
        platform::MessageBox(platform::MsgKind::Warning, platform::MsgButtons::YesNo,
                             kDdr3Question) != platform::MsgResult::Yes) {
        return false;
    }
    std::string clockMessage;
    const BoardDef& def = Definition();
    const bool clocks = !def.checkRecord || def.checkRecord(bytes, clockMessage);
    if (!clocks) {
        platform::WarningBox(clockMessage);
    }
    if (!named) {
        platform::ErrorBox(message);
    }
    return named && clocks;
}

void TFormCalvet::BeforeSuccessBox() {
    std::string notes;
    if (ui_->CheckBoxDDR3->isChecked()) {
        notes += reminders::MemoryController("DDR3");
    }
    std::string interfaces;
    for (const auto& [box, name] :
         {std::pair{ui_->CheckBoxPCIe, "PCIe"}, std::pair{ui_->CheckBoxSataHost, "Sata-Host"},
          std::pair{ui_->CheckBoxSataDevice, "Sata-Device"}}) {
        if (box->isChecked()) {
            interfaces += (interfaces.empty() ? "" : "/") + std::string(name);
        }
    }
    if (!interfaces.empty()) {
        notes += reminders::TransceiverSignals(interfaces, "Transceiver") + "\r\n";
    }
    if (!notes.empty()) {
        platform::InformationBox(notes);
    }
}

namespace {
const BoardFormRegistrar kFormRegistrar{MAINBOARD_CALVET, MakeBoardForm<TFormCalvet>};
} // namespace
