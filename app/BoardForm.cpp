#include "app/BoardForm.h"

#include "app/FormMain.h"
#include "app/ProjectWriter.h"
#include "app/Shape.h"
#include "model/DaughterBoard.h"
#include "platform/Assert.h"
#include "platform/Files.h"
#include "platform/Ui.h"
#include "platform/qt/Desktop.h"
#include "platform/qt/Text8.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

#include <algorithm>

using platform::qt::Latin1;
using platform::qt::Text8;

namespace {

void PutLe32(std::span<std::uint8_t> record, std::size_t offset, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) {
        record[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

std::string FieldText(std::span<const std::uint8_t> record, std::size_t offset) {
    PINSMITH_ASSERT(offset + kRecordTextSize <= record.size());
    return config::RecordText(reinterpret_cast<const char*>(record.data() + offset),
                              kRecordTextSize);
}

void SetFieldText(std::span<std::uint8_t> record, std::size_t offset, const std::string& text) {
    PINSMITH_ASSERT(offset + kRecordTextSize <= record.size());
    config::SetRecordText(reinterpret_cast<char*>(record.data() + offset), kRecordTextSize, text);
}

bool IsEightyPinCard(CardId card) {
    return BoardConnectorType(card) == CONNECTOR_GPIO80;
}

} // namespace

// ---------------------------------------------------------------------------
// TCardListRef

CardId TCardListRef::At(int index) const {
    if (index < 0 || index >= Count()) {
        return CARD_NONE;
    }
    return MakeCardId(ids_[index]);
}

int TCardListRef::IndexOf(CardId card) const {
    for (int i = 0; i < Count(); ++i) {
        if (ids_[i] == static_cast<std::uint8_t>(card)) {
            return i;
        }
    }
    return -1;
}

void TCardListRef::Build(ConnectorType type, bool allowTransceiver, Voltage voltage) const {
    PINSMITH_ASSERT(build_);
    build_(type, allowTransceiver, voltage);
}

// ---------------------------------------------------------------------------
// Set-up

TBoardForm::TBoardForm(QWidget* owner) : QWidget(owner) {}

TBoardForm::~TBoardForm() = default;

void TBoardForm::SetBoard(::BoardId id, std::string defaultProjectName, std::string folderWord) {
    boardId_ = id;
    defaultProjectName_ = std::move(defaultProjectName);
    folderWord_ = std::move(folderWord);
}

void TBoardForm::SetRecordHeader(std::size_t boardIdOffset, std::size_t sizeOffset,
                                 std::size_t projectNameOffset) {
    boardIdOffset_ = boardIdOffset;
    sizeOffset_ = sizeOffset;
    nameOffset_ = projectNameOffset;
}

void TBoardForm::SetProjectNameEdit(QLineEdit* edit) {
    projectName_ = edit;
}

void TBoardForm::SetButtons(const TFormButtons& buttons) {
    const auto hook = [this](QPushButton* button, void (TBoardForm::*handler)()) {
        if (button) {
            connect(button, &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
        }
    };
    hook(buttons.Save, &TBoardForm::ButtonSaveClick);
    hook(buttons.Load, &TBoardForm::ButtonLoadClick);
    hook(buttons.Gen, &TBoardForm::ButtonGenClick);
    hook(buttons.Exit, &TBoardForm::ButtonExitClick);
    hook(buttons.MainBoardSelect, &TBoardForm::ButtonMainBoardSelectClick);
    hook(buttons.DefaultSetting, &TBoardForm::ButtonDefaultSettingClick);
}

void TBoardForm::AddPeripheral(QCheckBox* box, std::size_t recordOffset,
                               std::vector<TShape*> shapes) {
    PINSMITH_ASSERT(box);
    peripherals_.push_back({box, recordOffset, std::move(shapes)});
    connect(box, &QCheckBox::clicked, this, [this] { CheckBoxClick(); });
}

int TBoardForm::AddCardPort(TCardPort port) {
    PINSMITH_ASSERT(port.Combo && port.Prefix && port.List.IsSet());
    const int index = static_cast<int>(ports_.size());
    connect(port.Combo, &QComboBox::activated, this, [this, index] { CardComboChange(index); });
    ports_.push_back(std::move(port));
    return index;
}

void TBoardForm::SetDualHeader(int port0, int port1, ConnectorId pairConnector) {
    PINSMITH_ASSERT(port0 >= 0 && port0 < PortCount() && port1 >= 0 && port1 < PortCount());
    pair0_ = port0;
    pair1_ = port1;
    pairConnector_ = pairConnector;
}

void TBoardForm::SetFormColour(const QColor& colour) {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, colour);
    setPalette(pal);
    setAutoFillBackground(true);
}

void TBoardForm::CopyCaptionToMainWindow() {
    if (FormMain) {
        FormMain->setWindowTitle(windowTitle());
    }
}

void TBoardForm::InitForm() {
    PINSMITH_ASSERT(projectName_);
    projectName_->setMaxLength(kMaxNameLength);
    for (TCardPort& port : ports_) {
        port.Prefix->setMaxLength(kMaxNameLength);
    }
    if (!listsDependOnRecord_) {
        FillCardCombos();
    }
    HolderLastDir() = platform::ProgramFolder();
    if (!HolderLoadDefault()) {
        SetDefaultConfig();
    }
    ShowRecord();
}

TCardPort& TBoardForm::Port(int index) {
    PINSMITH_ASSERT(index >= 0 && index < PortCount());
    return ports_[static_cast<std::size_t>(index)];
}

CardId TBoardForm::PortCard(int index) const {
    PINSMITH_ASSERT(index >= 0 && index < PortCount());
    const TCardPort& port = ports_[static_cast<std::size_t>(index)];
    return port.List.At(port.Combo->currentIndex());
}

std::string TBoardForm::PortPrefix(int index) const {
    PINSMITH_ASSERT(index >= 0 && index < PortCount());
    return Text8(ports_[static_cast<std::size_t>(index)].Prefix->text());
}

std::string TBoardForm::ProjectNameText() const {
    return projectName_ ? Text8(projectName_->text()) : std::string();
}

// ---------------------------------------------------------------------------
// Records and controls

void TBoardForm::CommonDefaults(std::span<std::uint8_t> record) const {
    std::fill(record.begin(), record.end(), std::uint8_t{0});
    PINSMITH_ASSERT(boardIdOffset_ < record.size() && sizeOffset_ + 4 <= record.size());
    record[boardIdOffset_] = static_cast<std::uint8_t>(boardId_);
    PutLe32(record, sizeOffset_, static_cast<std::uint32_t>(record.size()));
    SetFieldText(record, nameOffset_, defaultProjectName_);
    for (const Peripheral& p : peripherals_) {
        PINSMITH_ASSERT(p.offset < record.size());
        record[p.offset] = 1;
    }
}

void TBoardForm::SetDefaultConfig() {
    DefaultsInto(RecordBytes());
}

void TBoardForm::ShowRecord() {
    if (pair0_ >= 0) {
        for (int port : {pair0_, pair1_}) {
            Port(port).Combo->setEnabled(true);
            Port(port).Prefix->setEnabled(true);
        }
    }
    BeforeShowRecord();
    if (listsDependOnRecord_) {
        FillCardCombos();
    }
    ShowRecordBytes(RecordBytes());
    if (pair0_ >= 0) {
        SyncDualHeader(Port(pair0_).Combo);
    }
    AfterShowRecord();
}

void TBoardForm::ShowRecordBytes(std::span<const std::uint8_t> record) {
    projectName_->setText(Latin1(FieldText(record, nameOffset_)));
    for (const Peripheral& p : peripherals_) {
        PINSMITH_ASSERT(p.offset < record.size());
        p.box->setChecked(record[p.offset] != 0);
    }
    for (TCardPort& port : ports_) {
        PINSMITH_ASSERT(port.CardOffset < record.size());
        port.Prefix->clear();
        const int index = port.List.IndexOf(MakeCardId(record[port.CardOffset]));
        if (index >= 0) {
            port.Combo->setCurrentIndex(index);
            port.Prefix->setText(Latin1(FieldText(record, port.PrefixOffset)));
        } else {
            // A card the list does not offer shows as None.
            port.Combo->setCurrentIndex(0);
        }
    }
    BoardRecordToControls(record);
    UpdateCardPictures();
    UpdateShapes();
}

void TBoardForm::ReadControlsInto(std::span<std::uint8_t> record) {
    PINSMITH_ASSERT(boardIdOffset_ < record.size() && sizeOffset_ + 4 <= record.size());
    record[boardIdOffset_] = static_cast<std::uint8_t>(boardId_);
    PutLe32(record, sizeOffset_, static_cast<std::uint32_t>(record.size()));
    SetFieldText(record, nameOffset_, ProjectNameText());
    for (const Peripheral& p : peripherals_) {
        record[p.offset] = p.box->isChecked() ? 1 : 0;
    }
    for (int i = 0; i < PortCount(); ++i) {
        const TCardPort& port = ports_[static_cast<std::size_t>(i)];
        PINSMITH_ASSERT(port.CardOffset < record.size());
        record[port.CardOffset] = static_cast<std::uint8_t>(PortCard(i));
        SetFieldText(record, port.PrefixOffset, PortPrefix(i));
    }
    BoardControlsToRecord(record);
}

void TBoardForm::FillCardCombos() {
    const std::span<const std::uint8_t> record = RecordBytes();
    std::vector<const TCardListRef*> built;
    for (TCardPort& port : ports_) {
        const bool done = std::any_of(built.begin(), built.end(), [&](const TCardListRef* l) {
            return l->SameListAs(port.List);
        });
        if (!done) {
            port.List.Build(port.ListType, port.AllowTransceiver, port.ListVoltage);
            built.push_back(&port.List);
        }
    }
    for (TCardPort& port : ports_) {
        port.Combo->clear();
        for (int i = 0; i < port.List.Count(); ++i) {
            port.Combo->addItem(Latin1(BoardName(port.List.At(i))));
        }
        const int index =
            listsDependOnRecord_ ? port.List.IndexOf(MakeCardId(record[port.CardOffset])) : 0;
        port.Combo->setCurrentIndex(index > 0 ? index : 0);
        port.Combo->setMaxVisibleItems(std::max(1, port.List.Count()));
    }
}

void TBoardForm::UpdateCardPictures() {
    for (int i = 0; i < PortCount(); ++i) {
        const TCardPort& port = ports_[static_cast<std::size_t>(i)];
        if (port.Image) {
            TFormMain::ShowCardPicture(port.Image, PortCard(i));
        }
    }
}

void TBoardForm::UpdateShapes() {
    for (const Peripheral& p : peripherals_) {
        for (TShape* shape : p.shapes) {
            shape->setVisible(p.box->isChecked());
        }
    }
    for (const TCardPort& port : ports_) {
        if (port.Shape) {
            port.Shape->setVisible(port.Combo->currentIndex() != 0);
        }
    }
    UpdateBoardShapes();
}

void TBoardForm::SyncDualHeader(QComboBox* sender) {
    if (pair0_ < 0) {
        return;
    }
    const bool fromFirst = sender == Port(pair0_).Combo;
    TCardPort& source = Port(fromFirst ? pair0_ : pair1_);
    TCardPort& target = Port(fromFirst ? pair1_ : pair0_);
    const CardId sourceCard = source.List.At(source.Combo->currentIndex());
    const CardId targetCard = target.List.At(target.Combo->currentIndex());
    if (IsEightyPinCard(sourceCard)) {
        target.Combo->setCurrentIndex(source.Combo->currentIndex());
        target.Prefix->setText(source.Prefix->text());
        target.Combo->setEnabled(false);
        target.Prefix->setEnabled(false);
        return;
    }
    target.Combo->setEnabled(true);
    target.Prefix->setEnabled(true);
    if (IsEightyPinCard(targetCard)) {
        target.Combo->setCurrentIndex(0);
        target.Prefix->clear();
    }
}

// ---------------------------------------------------------------------------
// Validation

bool TBoardForm::CheckControls(std::string& message) {
    if (!config::CheckProjectName(ProjectNameText(), message)) {
        return false;
    }
    for (int i = 0; i < PortCount(); ++i) {
        if (!config::CheckPrefixName(Port(i).Name, PortPrefix(i), message)) {
            return false;
        }
    }
    // The prefix rule of each family, over its ports in port order.
    for (PortFamily family :
         {PortFamily::Gpio, PortFamily::Hsmc, PortFamily::Fmc, PortFamily::Ddr4Socket}) {
        std::vector<CardId> cards;
        std::vector<std::string> prefixes;
        for (int i = 0; i < PortCount(); ++i) {
            if (Port(i).Family == family) {
                cards.push_back(PortCard(i));
                prefixes.push_back(PortPrefix(i));
            }
        }
        if (cards.size() < 2 || SkipPrefixRule(family)) {
            continue;
        }
        const int n = static_cast<int>(cards.size());
        bool ok = true;
        switch (family) {
        case PortFamily::Gpio:
            ok = CheckGpioPrefixNames(n, cards.data(), prefixes.data(), message);
            break;
        case PortFamily::Hsmc:
            ok = CheckHsmcPrefixNames(n, cards.data(), prefixes.data(), message);
            break;
        case PortFamily::Fmc:
            ok = CheckFmcPrefixNames(n, cards.data(), prefixes.data(), message);
            break;
        case PortFamily::Ddr4Socket:
            ok = CheckDdr4SocketPrefixNames(n, cards.data(), prefixes.data(), message);
            break;
        default:
            break;
        }
        if (!ok) {
            return false;
        }
    }
    return CheckBoardSettings(message);
}

bool TBoardForm::CheckSettings() {
    std::string message;
    if (!CheckControls(message)) {
        platform::ErrorBox(message);
        return false;
    }
    return true;
}

// ---------------------------------------------------------------------------
// Generation

void TBoardForm::AttachPortCards(TMainBoard* board, std::span<const std::uint8_t> record) const {
    const auto cardOf = [&](int i) {
        return MakeCardId(record[ports_[static_cast<std::size_t>(i)].CardOffset]);
    };
    const auto prefixOf = [&](int i) {
        return FieldText(record, ports_[static_cast<std::size_t>(i)].PrefixOffset);
    };
    bool pairAttached = false;
    if (pair0_ >= 0) {
        const CardId c0 = cardOf(pair0_);
        if (c0 != CARD_NONE && c0 == cardOf(pair1_) && IsEightyPinCard(c0)) {
            const TCardPort& port = ports_[static_cast<std::size_t>(pair0_)];
            AttachGpioCard(board, pairConnector_, c0, port.IoStandard, CardBusName(),
                           CardPrefix(prefixOf(pair0_)));
            pairAttached = true;
        }
    }
    for (int i = 0; i < static_cast<int>(ports_.size()); ++i) {
        if (pairAttached && (i == pair0_ || i == pair1_)) {
            continue;
        }
        const CardId card = cardOf(i);
        if (card == CARD_NONE) {
            continue;
        }
        const TCardPort& port = ports_[static_cast<std::size_t>(i)];
        const CardPrefix prefix(prefixOf(i));
        switch (port.Family) {
        case PortFamily::Gpio:
            AttachGpioCard(board, port.Connector, card, port.IoStandard, CardBusName(port.BusName),
                           prefix);
            break;
        case PortFamily::Hsmc:
            AttachHsmcCard(board, port.Connector, card, port.IoStandard, prefix);
            break;
        case PortFamily::Kirrel:
            AttachKirrelCard(board, port.Connector, card, port.IoStandard, prefix);
            break;
        case PortFamily::Fmc:
            AttachFmcCard(board, port.Connector, card, port.IoStandard, prefix);
            break;
        case PortFamily::Ergan:
            AttachErganCard(board, port.Connector, card, port.IoStandard, prefix);
            break;
        case PortFamily::Ddr4Socket:
            // Memory modules take board-specific fill arguments: the board
            // attaches them in its own AttachCards.
            PINSMITH_FAIL("0");
        }
    }
}

bool TBoardForm::WriteProject(TMainBoard* board, const std::string& projectFile, bool vhdl) {
    return WriteQuartusProject(board, projectFile, vhdl);
}

bool TBoardForm::BuildProject(const std::string& projectFile) {
    // A local record: the holder's record stays as it is.
    const std::span<const std::uint8_t> held = RecordBytes();
    std::vector<std::uint8_t> record(held.begin(), held.end());
    ReadControlsInto(record);
    return BuildProjectFrom(record, projectFile);
}

// ---------------------------------------------------------------------------
// Handlers

void TBoardForm::FormClose() {
    ReadControlsInto(RecordBytes());
    HolderSaveDefault();
}

void TBoardForm::closeEvent(QCloseEvent* event) {
    if (!closed_) {
        closed_ = true;
        FormClose();
    }
    event->accept();
}

void TBoardForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        auto* button = qobject_cast<QPushButton*>(focusWidget());
        if (!button || !isAncestorOf(button)) {
            button = nullptr;
            for (QPushButton* candidate : findChildren<QPushButton*>()) {
                if (candidate->isDefault()) {
                    button = candidate;
                    break;
                }
            }
        }
        if (button && button->isVisible() && button->isEnabled()) {
            event->accept();
            button->click();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void TBoardForm::ButtonSaveClick() {
    if (!CheckSettings()) {
        return;
    }
    ReadControlsInto(RecordBytes());
    HolderSaveWithDialog(SaveDialog);
}

void TBoardForm::ButtonLoadClick() {
    if (HolderLoadWithDialog(OpenDialog)) {
        ShowRecord();
    }
}

void TBoardForm::ButtonDefaultSettingClick() {
    SetDefaultConfig();
    ShowRecord();
}

void TBoardForm::ButtonGenClick() {
    if (!CheckSettings()) {
        return;
    }
    const std::string projectFile =
        config::AskProjectFile(SaveDialog, folderWord_, ProjectNameText());
    if (projectFile.empty()) {
        return;
    }
    // The file name chosen in the dialog becomes the project's name in the
    // generated files: it must be as plain as the name in the edit.
    std::string message;
    if (!config::CheckProjectFileName(projectFile, message)) {
        platform::ErrorBox(message);
        return;
    }
    if (BuildProject(projectFile)) {
        platform::InformationBox(
            platform::Format("Generate Quartus Project successfully.\r\nThe project is located "
                             "in the folder:\r\n%s",
                             platform::ExtractFilePath(projectFile).c_str()));
        AfterGenerateSuccess();
    } else {
        platform::ErrorBox(platform::Format("Failed to generate Quartus project: %s.",
                                            platform::ExtractFileName(projectFile).c_str()));
    }
}

void TBoardForm::ButtonExitClick() {
    close();
    if (FormMain) {
        FormMain->close();
    }
}

void TBoardForm::ButtonMainBoardSelectClick() {
    if (FormMain) {
        platform::qt::PostWindowMessage(FormMain, WM_CHANGE_MAIN_BOARD);
    }
}

void TBoardForm::CheckBoxClick() {
    UpdateShapes();
}

void TBoardForm::CardComboChange(int port) {
    SyncDualHeader(Port(port).Combo);
    UpdateShapes();
    UpdateCardPictures();
}
