#include "boards/stratix5/UI_Pellix.h"

#include "app/Shape.h"
#include "boards/Boards.h"
#include "boards/UI_BoardPicture.h"
#include "boards/stratix5/StratixVText.h"
#include "platform/Assert.h"
#include "platform/Ui.h"
#include "platform/qt/Pictures.h"

#include "boards/UI_BoardForms.h"
#include "boards/stratix5/PellixId.h"
#include "ui_UI_Pellix.h"

#include <QColor>

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <utility>

using namespace stratix5;

namespace {

constexpr int kHsmcA = 0;

// The items of an oscillator combo: "Disable", then the frequencies.
void FillOscillatorCombo(QComboBox* combo, std::int32_t last, double (*mhz)(std::uint8_t),
                         const char* format) {
    combo->clear();
    for (std::int32_t i = 0; i <= last; ++i) {
        const double value = mhz(static_cast<std::uint8_t>(i));
        combo->addItem(value > 0 ? QString::fromStdString(platform::Format(format, value))
                                 : QStringLiteral("Disable"));
    }
    combo->setMaxVisibleItems(last + 1);
}

} // namespace

TFormPellix::TFormPellix(QWidget* owner)
    : TBoardFormOf<TConfigBase<PELLIX_CONFIG>>(owner), ui_(std::make_unique<Ui::TFormPellix>()) {
    ui_->setupUi(this);
    setFixedSize(830, 525);
    SetFormColour(QColor(235, 233, 237)); // 0xEDE9EB
    const BoardPicture* picture = FindBoardPicture(MAINBOARD_PELLIX);
    PINSMITH_ASSERT(picture != nullptr);
    ui_->ImageQuelmar->setPixmap(platform::qt::LoadPicture(kMakerLogoPicture));
    ui_->ImageStratix->setPixmap(platform::qt::LoadPicture(picture->badge));
    const std::map<std::string, TShape*> outlines = ShowBoardPicture(ui_->ImageBoard, *picture);
    const auto outline = [&](const char* name) { return outlines.at(name); };

    SetBoard(*FindBoard(MAINBOARD_PELLIX));
    SetProjectNameEdit(ui_->EditProjectName);
    SetButtons({ui_->ButtonSave, ui_->ButtonLoad, ui_->ButtonGen, ui_->ButtonExit,
                ui_->ButtonMainBoardSelect, ui_->ButtonDefaultSetting});
    SetFailedLoadBox(true);

    // The groups whose controls break the naming scheme.
    static constexpr TPeripheralControls kControls[] = {
        {"LED", nullptr, "ShapeLED ShapeBracketLED ShapeRJ45LED"},
        {"SfpA", nullptr, "ShapeSfp_A"},
        {"SfpB", nullptr, "ShapeSfp_B"},
        {"SfpC", nullptr, "ShapeSfp_C"},
        {"SfpD", nullptr, "ShapeSfp_D"},
    };
    BindPeripherals(kControls);

    const TPortList lists[] = {{"HSMC-A", TransceiverList}};
    BindPorts(lists);
    SetPrefixEmptyWithoutCard(true);

    si570Shape_ = outline("ShapeSi570");
    cdcm61004Shape_ = outline("ShapeCdcm61004");
    FillOscillatorCombo(ui_->ComboBoxSi570, kLastSi570, Si570IndexToMHz, "%.5f");
    FillOscillatorCombo(ui_->ComboBoxCdcm61004, kLastCdcm61004, CdcmIndexToMHz, "%.2f");
    si570_.Bind(ui_->ComboBoxSi570, 0, [this] { UpdateShapes(); });
    cdcm61004_.Bind(ui_->ComboBoxCdcm61004, 0, [this] { UpdateShapes(); });

    InitForm();
}

TFormPellix::~TFormPellix() = default;

bool TFormPellix::IsSfpUsed() const {
    return ui_->CheckBoxSfpA->isChecked() || ui_->CheckBoxSfpB->isChecked() ||
           ui_->CheckBoxSfpC->isChecked() || ui_->CheckBoxSfpD->isChecked();
}

bool TFormPellix::IsSataUsed() const {
    return ui_->CheckBoxSata_0->isChecked() || ui_->CheckBoxSata_1->isChecked();
}

// The board's rule, over the record the controls stand for.
void TFormPellix::UpdateOscillatorCombos() {
    const auto record = RecordAs<PELLIX_CONFIG>(ControlsRecord());
    si570_.Follow(pellix::Si570InUse(record));
    cdcm61004_.Follow(pellix::Cdcm61004InUse(record));
}

void TFormPellix::ConfigToBoardControls(const PELLIX_CONFIG& record) {
    si570_.Remember(record.Si570Index);
    cdcm61004_.Remember(record.Cdcm61004Index);
    UpdateOscillatorCombos();
}

void TFormPellix::BoardControlsToConfig(PELLIX_CONFIG& record) {
    record.Si570Index = si570_.Shown();
    record.Cdcm61004Index = cdcm61004_.Shown();
}

void TFormPellix::UpdateBoardShapes() {
    si570Shape_->setVisible(si570_.IsOn());
    cdcm61004Shape_->setVisible(cdcm61004_.IsOn());
}

// The combos first, so that the outlines show what they then show.
void TFormPellix::CheckBoxClick() {
    UpdateOscillatorCombos();
    TBoardForm::CheckBoxClick();
}

void TFormPellix::CardComboChange(int port) {
    UpdateOscillatorCombos();
    TBoardForm::CardComboChange(port);
}

bool TFormPellix::ConfirmGenerate() {
    const auto goOn = [](const char* text) {
        return platform::MessageBox(platform::MsgKind::Warning, platform::MsgButtons::YesNo,
                                    text) == platform::MsgResult::Yes;
    };
    if (IsSfpUsed() && !si570_.IsOn() && !cdcm61004_.IsOn() &&
        !goOn("QSP interface is enabled, but the associated programmable oscillator SI570 or "
              "CDCM61004 is not enalbed.\r\nDo you want to continued?")) {
        return false;
    }
    return !IsSataUsed() || cdcm61004_.IsOn() ||
           goOn("SATA interface is enabled, but the associated programmable oscillator "
                "CDCM61004 is not enabled.\r\nDo you want to continued?");
}

std::string TFormPellix::TransceiverNote() const {
    const bool sata = IsSataUsed();
    const bool pcie = ui_->CheckBoxPCIe->isChecked();
    const bool sfp = IsSfpUsed();
    const bool hsmc = IsTransceiverBoard(PortCard(kHsmcA));
    std::string interfaces;
    for (const auto& [on, name] : {std::pair{sata, "SATA"}, std::pair{pcie, "PCIe"},
                                   std::pair{sfp, "SFP+"}, std::pair{hsmc, "HSMC-Transceiver"}}) {
        if (on) {
            interfaces += (interfaces.empty() ? "" : "/") + std::string(name);
        }
    }
    if (interfaces.empty()) {
        return {};
    }
    return platform::Format("===== %s  Transceiver Pinsmith warning =====\r\n",
                            interfaces.c_str()) +
           "To prevent any errors while compiling your Quartus project, either comment out the\r\n"
           "transceiver signals in the top level entity if they are not in use or add the Altera "
           "\r\n"
           "Transceiver IP to your design.\r\n";
}

void TFormPellix::BeforeSuccessBox() {
    const std::string note = TransceiverNote();
    if (!note.empty()) {
        platform::InformationBox(note);
    }
}

namespace {
const BoardFormRegistrar kFormRegistrar{MAINBOARD_PELLIX, MakeBoardForm<TFormPellix>};
} // namespace
