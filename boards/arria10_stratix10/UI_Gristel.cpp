#include "boards/arria10_stratix10/UI_Gristel.h"

#include "app/Shape.h"
#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/UI_BoardPicture.h"
#include "model/CardCatalogue.h"
#include "platform/Assert.h"
#include "platform/Ui.h"
#include "platform/qt/Pictures.h"
#include "platform/qt/Text8.h"

#include "boards/UI_BoardForms.h"
#include "boards/arria10_stratix10/GristelId.h"
#include "ui_UI_Gristel.h"

#include <QColor>
#include <QComboBox>
#include <QSignalBlocker>

#include <algorithm>
#include <cstddef>
#include <map>
#include <string>
#include <vector>

using namespace gristel;

namespace {

// The rows of the voltage combo: the code the record stores, the label.
struct FmcVoltageRow {
    std::int32_t code;
    const char* label;
};
constexpr FmcVoltageRow kFmcVoltageTable[] = {
    {kFmc1V8, "1.8 V (Default)"},
    {kFmc1V5, "1.5 V"},
    {kFmc1V2, "1.2 V"},
};
constexpr int kVoltageRows = static_cast<int>(std::size(kFmcVoltageTable));

int RowOfCode(std::int32_t code) {
    for (int row = 0; row < kVoltageRows; ++row) {
        if (kFmcVoltageTable[row].code == code) {
            return row;
        }
    }
    return 0;
}

} // namespace

TFormGristel::TFormGristel(QWidget* owner)
    : TBoardFormOf<TConfigGristel>(owner), ui_(std::make_unique<Ui::TFormGristel>()) {
    ui_->setupUi(this);
    setFixedSize(791, 596);
    SetFormColour(QColor(235, 233, 237));
    ui_->ImageQuelmar->setPixmap(platform::qt::LoadPicture(kMakerLogoPicture));
    const BoardPicture* picture = FindBoardPicture(MAINBOARD_GRISTEL);
    PINSMITH_ASSERT(picture != nullptr);
    ui_->ImageArria->setPixmap(platform::qt::LoadPicture(picture->badge));
    const std::map<std::string, TShape*> outlines = ShowBoardPicture(ui_->ImageBoard, *picture);
    const auto outline = [&](const char* name) { return outlines.at(name); };
    jumpers_ = {outline("ShapeFmc1V8"), outline("ShapeFmc1V5"), outline("ShapeFmc1V2")};
    for (TShape* jumper : jumpers_) {
        jumper->setPenColor(QColor(0, 255, 0)); // lime
    }

    const BoardDef& def = *FindBoard(MAINBOARD_GRISTEL);
    SetBoard(def);
    SetProjectNameEdit(ui_->EditProjectName);
    SetButtons({ui_->ButtonSave, ui_->ButtonLoad, ui_->ButtonGen, ui_->ButtonExit,
                ui_->ButtonMainBoardSelect});

    BindPeripherals();

    // The three FMC lists take the FMC port's rule at each voltage.
    ui_->ComboBoxFileType->addItems({"Verilog", "VHDL"});
    GRISTEL_CONFIG probe{};
    for (int row = 0; row < kVoltageRows; ++row) {
        probe.FmcVoltage = kFmcVoltageTable[row].code;
        const BoardCardPort fmc = EffectivePorts(def, ConstBytes(probe))[FMC];
        GetFmcCardSource(probe.FmcVoltage)
            .BuildCardList(fmc.listType, fmc.allowTransceiver, fmc.listVoltage);
        ui_->ComboBoxFmcVol->addItem(QString::fromLatin1(kFmcVoltageTable[row].label));
    }
    ui_->ComboBoxFmcVol->setCurrentIndex(0);
    connect(ui_->ComboBoxFmcVol, &QComboBox::currentIndexChanged, this,
            [this](int index) { ComboBoxFmcVolChange(index); });

    const TPortList lists[] = {{"FMC", m_Fmc1V8List}};
    BindPorts(lists);

    SetHpsCheckBox(ui_->CheckBoxHPS);
    SetListsDependOnRecord(true);
    SetPrefixEmptyWithoutCard(true);
    InitForm();
}

TFormGristel::~TFormGristel() = default;

std::int32_t TFormGristel::GetFmcVoltageCode() const {
    const int index = ui_->ComboBoxFmcVol->currentIndex();
    return kFmcVoltageTable[index >= 0 && index < kVoltageRows ? index : 0].code;
}

TConfigGristel& TFormGristel::GetFmcCardSource(std::int32_t code) {
    return code == kFmc1V5 ? m_Fmc1V5List : code == kFmc1V2 ? m_Fmc1V2List : m_Fmc1V8List;
}

void TFormGristel::FillFmcCombo(std::int32_t code) {
    TCardPort& port = Port(FMC);
    port.List = GetFmcCardSource(code);
    port.Combo->clear();
    for (int i = 0; i < port.List.Count(); ++i) {
        port.Combo->addItem(platform::qt::Latin1(BoardName(port.List.At(i))));
    }
    port.Combo->setCurrentIndex(0);
    port.Combo->setMaxVisibleItems(std::max(1, port.List.Count()));
}

void TFormGristel::ComboBoxFmcVolChange(int index) {
    if (index < 0) {
        return; // the combo is being cleared
    }
    FillFmcCombo(GetFmcVoltageCode());
    UpdateShapes();
    UpdateCardPictures();
}

// The mended record's voltage is shown before the card combos are filled,
// so that the FMC combo offers that voltage's list.
void TFormGristel::BeforeShowRecord() {
    const QSignalBlocker block(ui_->ComboBoxFmcVol);
    ui_->ComboBoxFmcVol->setCurrentIndex(RowOfCode(Settings.Config.FmcVoltage));
    Port(FMC).List = GetFmcCardSource(GetFmcVoltageCode());
}

void TFormGristel::ConfigToBoardControls(const GRISTEL_CONFIG& record) {
    ui_->ComboBoxFileType->setCurrentIndex(record.FileType != 0 ? 1 : 0);
}

void TFormGristel::BoardControlsToConfig(GRISTEL_CONFIG& record) {
    record.FileType = ui_->ComboBoxFileType->currentIndex() == 1 ? 1 : 0;
    record.FmcVoltage = GetFmcVoltageCode();
}

void TFormGristel::UpdateBoardShapes() {
    const int shown = RowOfCode(GetFmcVoltageCode());
    for (int row = 0; row < kVoltageRows; ++row) {
        jumpers_[static_cast<std::size_t>(row)]->setVisible(row == shown);
    }
}

void TFormGristel::AfterGenerateSuccess() {
    if (GetFmcVoltageCode() == kFmc1V8) {
        return;
    }
    platform::WarningBox("You have changed the default voltage level of FMC interface. \n"
                         "Please remember to change the jumper position on JP2 accordingly."
                         "\n\nWanring:\nThe hardware could be damaged permanently without "
                         "proper setting of voltage level.");
}

namespace {
const BoardFormRegistrar kFormRegistrar{MAINBOARD_GRISTEL, MakeBoardForm<TFormGristel>};
} // namespace
