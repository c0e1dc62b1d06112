#include "boards/stratix5/UI_Ombrel.h"

#include "app/Shape.h"
#include "boards/stratix5/StratixVText.h"
#include "platform/Assert.h"
#include "platform/Ui.h"

#include "boards/UI_BoardForms.h"
#include "boards/stratix5/OmbrelId.h"
#include "ui_UI_Ombrel.h"

#include <cstddef>
#include <map>
#include <string>
#include <vector>

using namespace stratix5;

namespace {

// "Unchanged", "Not Use", then the frequencies of the combo indexes 2..12.
std::vector<std::string> CdcmItems() {
    std::vector<std::string> items = {"Unchanged", "Not Use"};
    for (std::uint8_t j = 2; j <= kOmbrelLastCdcm; ++j) {
        const double mhz = CdcmComboIndexToMHz(j);
        PINSMITH_ASSERT(mhz > 0.0); // fFreq > 0.0L
        items.push_back(platform::Format("%.2f", mhz));
    }
    return items;
}

} // namespace

TFormOmbrel::TFormOmbrel(QWidget* owner)
    : TStratixVForm<OMBREL_CONFIG>(owner), ui_(std::make_unique<Ui::TFormOmbrel>()) {
    const std::map<std::string, TShape*> outlines = SetUpForm(*ui_, MAINBOARD_OMBREL, 832, 499);
    const auto outline = [&](const char* name) { return outlines.at(name); };

    // The groups whose controls break the naming scheme.
    static constexpr TPeripheralControls kControls[] = {
        {"LED", nullptr, "ShapeLED ShapeRJ45LED ShapeBracketLED"},
        {"QdrA", nullptr, "ShapeQDRII_A"},
        {"QdrB", nullptr, "ShapeQDRII_B"},
        {"QdrC", nullptr, "ShapeQDRII_C"},
        {"QdrD", nullptr, "ShapeQDRII_D"},
        {"SfpA", nullptr, "ShapeSfp_A"},
        {"SfpB", nullptr, "ShapeSfp_B"},
        {"SfpC", nullptr, "ShapeSfp_C"},
        {"SfpD", nullptr, "ShapeSfp_D"},
    };
    BindPeripherals(kControls);

    FillOscillatorCombo(ui_->ComboBoxSi570, Si570Items("Not Use"), 8);
    FillOscillatorCombo(ui_->ComboBoxCdcm61001, CdcmItems(), 12);
    FillOscillatorCombo(ui_->ComboBoxCdcm61004, CdcmItems(), 12);
    // A pick shows or hides its outline at once.
    const auto sfp = [this] { return IsSfpUsed(); };
    const auto outlinesNow = [this] { UpdateShapes(); };
    Oscillators.Add({ui_->ComboBoxSi570, 0, kOmbrelSi570, outline("ShapeSi570"), sfp}, outlinesNow);
    Oscillators.Add(
        {ui_->ComboBoxCdcm61001, kOmbrelCdcmOff, kOmbrelCdcm61001, outline("ShapeCdcm61001"), sfp},
        outlinesNow);
    Oscillators.Add({ui_->ComboBoxCdcm61004, kOmbrelCdcmOff, kOmbrelCdcm61004,
                     outline("ShapeCdcm61004"), [this] { return IsSataUsed(); }},
                    outlinesNow);

    InitForm();
}

TFormOmbrel::~TFormOmbrel() = default;

bool TFormOmbrel::IsSfpUsed() const {
    return ui_->CheckBoxSfpA->isChecked() || ui_->CheckBoxSfpB->isChecked() ||
           ui_->CheckBoxSfpC->isChecked() || ui_->CheckBoxSfpD->isChecked();
}

bool TFormOmbrel::IsSataUsed() const {
    return ui_->CheckBoxSata_0->isChecked() || ui_->CheckBoxSata_1->isChecked() ||
           ui_->CheckBoxSata_2->isChecked() || ui_->CheckBoxSata_3->isChecked();
}

// A CDCM at "Unchanged" counts as in use: the chip keeps its setting.
bool TFormOmbrel::ConfirmOscillators() {
    if (IsSfpUsed() && !Oscillators.IsOn(kSi570) && !Oscillators.IsOn(kCdcm61001) &&
        !AskToContinue("QSP interface is enabled, but the associated programmable oscillator "
                       "SI570 or CDCM61001 is not enalbed.\r\nDo you want to continued?")) {
        return false;
    }
    if (IsSataUsed() && !Oscillators.IsOn(kCdcm61004) &&
        !AskToContinue("SATA interface is enabled, but the associated programmable oscillator "
                       "CDCM61004 is not enabled.\r\nDo you want to continued?")) {
        return false;
    }
    return true;
}

void TFormOmbrel::BeforeSuccessBox() {
    const std::string notes = GenerationNotes(
        ui_->CheckBoxDDR3_0->isChecked() || ui_->CheckBoxDDR3_1->isChecked(),
        ui_->CheckBoxQdrA->isChecked() || ui_->CheckBoxQdrB->isChecked() ||
            ui_->CheckBoxQdrC->isChecked() || ui_->CheckBoxQdrD->isChecked(),
        {{IsSataUsed(), "SATA"}, {ui_->CheckBoxPCIe->isChecked(), "PCIe"}, {IsSfpUsed(), "SFP+"}});
    if (!notes.empty()) {
        platform::InformationBox(notes);
    }
}

namespace {
const BoardFormRegistrar kFormRegistrar{MAINBOARD_OMBREL, MakeBoardForm<TFormOmbrel>};
} // namespace
