#include "boards/stratix5/UI_Nolvar.h"

#include "app/Shape.h"
#include "boards/stratix5/StratixVText.h"
#include "platform/Ui.h"

#include "boards/UI_BoardForms.h"
#include "boards/stratix5/NolvarId.h"
#include "ui_UI_Nolvar.h"

#include <cstddef>
#include <map>
#include <string>
#include <vector>

using namespace stratix5;

namespace {

// "Disable", then the frequencies of indexes 1..11.
std::vector<std::string> CdcmItems() {
    std::vector<std::string> items;
    for (std::uint8_t j = 0; j <= kLastCdcm61004; ++j) {
        const double mhz = CdcmIndexToMHz(j);
        items.push_back(mhz > 0 ? platform::Format("%.2f", mhz) : std::string("Disable"));
    }
    return items;
}

} // namespace

TFormNolvar::TFormNolvar(QWidget* owner)
    : TStratixVForm<NOLVAR_CONFIG>(owner), ui_(std::make_unique<Ui::TFormNolvar>()) {
    const std::map<std::string, TShape*> outlines = SetUpForm(*ui_, MAINBOARD_NOLVAR, 834, 452);
    const auto outline = [&](const char* name) { return outlines.at(name); };

    // The groups whose controls break the naming scheme.
    static constexpr TPeripheralControls kControls[] = {
        {"SfpA", nullptr, "ShapeSfp_A"},   {"SfpB", nullptr, "ShapeSfp_B"},
        {"QdrA", nullptr, "ShapeQDRII_A"}, {"QdrB", nullptr, "ShapeQDRII_B"},
        {"QdrC", nullptr, "ShapeQDRII_C"}, {"QdrD", nullptr, "ShapeQDRII_D"},
    };
    BindPeripherals(kControls);

    FillOscillatorCombo(ui_->ComboBoxSi570, Si570Items("Disable"), 8);
    FillOscillatorCombo(ui_->ComboBoxCdcm61004, CdcmItems(), 12);
    // A pick shows its outline at once.
    const auto sfp = [this] { return IsSfpUsed(); };
    const auto outlinesNow = [this] { UpdateShapes(); };
    Oscillators.Add({ui_->ComboBoxSi570, 0, kNolvarSi570, outline("ShapeSi570"), sfp}, outlinesNow);
    Oscillators.Add({ui_->ComboBoxCdcm61004, 0, kNolvarCdcm61004, outline("ShapeCdcm61004"), sfp},
                    outlinesNow);

    InitForm();
}

TFormNolvar::~TFormNolvar() = default;

bool TFormNolvar::IsSfpUsed() const {
    return ui_->CheckBoxSfpA->isChecked() || ui_->CheckBoxSfpB->isChecked();
}

bool TFormNolvar::ConfirmOscillators() {
    return !IsSfpUsed() || Oscillators.IsOn(kSi570) || Oscillators.IsOn(kCdcm61004) ||
           AskToContinue("QSP interface is enabled, but the associated programmable oscillator "
                         "SI570 or CDCM61004 is not enalbed.\r\nDo you want to continued?");
}

void TFormNolvar::BeforeSuccessBox() {
    const std::string notes =
        GenerationNotes(ui_->CheckBoxDDR3_0->isChecked() || ui_->CheckBoxDDR3_1->isChecked(),
                        ui_->CheckBoxQdrA->isChecked() || ui_->CheckBoxQdrB->isChecked() ||
                            ui_->CheckBoxQdrC->isChecked() || ui_->CheckBoxQdrD->isChecked(),
                        {{ui_->CheckBoxPCIe->isChecked(), "PCIe"},
                         {IsSfpUsed(), "SFP+"},
                         {ui_->CheckBoxSata->isChecked(), "SATA"}});
    if (!notes.empty()) {
        platform::InformationBox(notes);
    }
}

namespace {
const BoardFormRegistrar kFormRegistrar{MAINBOARD_NOLVAR, MakeBoardForm<TFormNolvar>};
} // namespace
