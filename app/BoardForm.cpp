#include "app/BoardForm.h"

#include "app/FormMain.h"
#include "app/ProjectWriter.h"
#include "app/Shape.h"
#include "boards/BoardBatch.h"
#include "boards/BoardRules.h"
#include "model/DaughterBoard.h"
#include "platform/Assert.h"
#include "platform/Files.h"
#include "platform/Ui.h"
#include "platform/qt/Desktop.h"
#include "platform/qt/Text8.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string_view>

using platform::qt::Latin1;
using platform::qt::Text8;

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

void TCardListRef::Append(std::span<const std::uint8_t> cards) const {
    PINSMITH_ASSERT(count_ != nullptr);
    const std::size_t count = static_cast<std::size_t>(*count_);
    PINSMITH_ASSERT(count + cards.size() <= capacity_);
    std::copy(cards.begin(), cards.end(), ids_ + count);
    *count_ = static_cast<std::int32_t>(count + cards.size());
}

void TCardListRef::RemoveIf(const std::function<bool(CardId)>& refuse) const {
    PINSMITH_ASSERT(count_ != nullptr);
    const auto first = ids_ + std::min<std::int32_t>(*count_, 1);
    const auto end = std::remove_if(first, ids_ + *count_,
                                    [&](std::uint8_t id) { return refuse(MakeCardId(id)); });
    *count_ = static_cast<std::int32_t>(end - ids_);
}

// ---------------------------------------------------------------------------
// Set-up

TBoardForm::TBoardForm(QWidget* owner) : QWidget(owner) {}

TBoardForm::~TBoardForm() = default;

void TBoardForm::SetBoard(const BoardDef& definition) {
    PINSMITH_ASSERT(definition.HasRecord());
    def_ = &definition;
    ports_.assign(definition.ports.size(), TCardPort{});
    for (std::size_t i = 0; i < ports_.size(); ++i) {
        ports_[i].Def = definition.ports[i];
    }
}

const BoardDef& TBoardForm::Definition() const {
    PINSMITH_ASSERT(def_);
    return *def_;
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
    const auto& offsets = Definition().peripherals;
    PINSMITH_ASSERT(std::find(offsets.begin(), offsets.end(), recordOffset) != offsets.end());
    peripherals_.push_back({box, recordOffset, std::move(shapes)});
    connect(box, &QCheckBox::toggled, this, [this] { CheckBoxClick(); });
}

void MissingControl(const QString& name) {
    const std::string message = "the form's layout has a control " + name.toStdString();
    PINSMITH_FAIL(message.c_str());
}

void TBoardForm::BindPeripherals(std::span<const TPeripheralControls> exceptions) {
    for (const BoardPeripheral& row : Definition().peripherals) {
        PINSMITH_ASSERT(row.name != nullptr);
        const auto exception =
            std::find_if(exceptions.begin(), exceptions.end(), [&](const TPeripheralControls& c) {
                return std::strcmp(c.group, row.name) == 0;
            });
        const bool listed = exception != exceptions.end();
        const QString group = QString::fromLatin1(row.name);
        const QString boxName = listed && exception->checkBox
                                    ? QString::fromLatin1(exception->checkBox)
                                    : QStringLiteral("CheckBox") + group;
        const QString shapeNames = listed && exception->shapes
                                       ? QString::fromLatin1(exception->shapes)
                                       : QStringLiteral("Shape") + group;
        std::vector<TShape*> shapes;
        for (const QString& name : shapeNames.split(' ', Qt::SkipEmptyParts)) {
            shapes.push_back(FormChild<TShape>(this, name));
        }
        AddPeripheral(FormChild<QCheckBox>(this, boxName), row.offset, std::move(shapes));
    }
    // Every exception names a group of the definition.
    for (const TPeripheralControls& c : exceptions) {
        PINSMITH_ASSERT(std::any_of(Definition().peripherals.begin(),
                                    Definition().peripherals.end(),
                                    [&](const BoardPeripheral& row) {
                                        return row.name && std::strcmp(row.name, c.group) == 0;
                                    }));
    }
}

namespace {

// The letters and digits of a name, lower case: the part of a control's
// name that spells its port.
std::string PortKey(std::string_view name) {
    std::string key;
    for (const char c : name) {
        if (std::isalnum(static_cast<unsigned char>(c))) {
            key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    return key;
}

// The one child of type W named <kind><port> by the naming scheme; an
// internal error when there is none or more than one.
template <class W> W* PortChild(QWidget* form, const char* kind, const char* port) {
    const std::string key = PortKey(port);
    const QString prefix = QString::fromLatin1(kind);
    W* found = nullptr;
    for (W* widget : form->findChildren<W*>()) {
        const QString name = widget->objectName();
        if (name.startsWith(prefix) && PortKey(name.mid(prefix.size()).toStdString()) == key) {
            if (found) {
                const std::string message =
                    std::string("the form's layout has exactly one control ") + kind +
                    " for the port " + port;
                PINSMITH_FAIL(message.c_str());
            }
            found = widget;
        }
    }
    if (!found) {
        const std::string message =
            std::string("the form's layout has a control ") + kind + " for the port " + port;
        PINSMITH_FAIL(message.c_str());
    }
    return found;
}

// The exception's control of that name, none for "", or the scheme's.
template <class W>
W* PortChildOr(QWidget* form, const char* named, const char* kind, const char* port) {
    if (named == nullptr) {
        return PortChild<W>(form, kind, port);
    }
    return *named == '\0' ? nullptr : FormChild<W>(form, QString::fromLatin1(named));
}

} // namespace

void TBoardForm::BindPorts(std::span<const TPortList> lists,
                           std::span<const TPortControls> exceptions) {
    const auto named = [](const char* port) {
        return [port](const auto& row) { return std::strcmp(row.port, port) == 0; };
    };
    const auto& definition = Definition().ports;
    for (std::size_t i = 0; i < definition.size(); ++i) {
        const char* port = definition[i].name;
        const auto exception = std::find_if(exceptions.begin(), exceptions.end(), named(port));
        const auto list = std::find_if(lists.begin(), lists.end(), named(port));
        const bool listed = exception != exceptions.end();
        BindCardPort(static_cast<int>(i),
                     {PortChild<QComboBox>(this, "ComboBox", port),
                      PortChild<QLineEdit>(this, "EditPrefix", port),
                      PortChildOr<QLabel>(this, listed ? exception->image : nullptr, "Image", port),
                      PortChildOr<TShape>(this, listed ? exception->shape : nullptr, "Shape", port),
                      list != lists.end() ? list->list : HolderCardList()});
    }
    // Every row names a port of the definition.
    const auto known = [&](const char* port) {
        return std::any_of(definition.begin(), definition.end(),
                           [&](const BoardCardPort& p) { return std::strcmp(p.name, port) == 0; });
    };
    for (const TPortControls& row : exceptions) {
        PINSMITH_ASSERT(known(row.port));
    }
    for (const TPortList& row : lists) {
        PINSMITH_ASSERT(known(row.port));
    }
}

void TBoardForm::BindCardPort(int index, TPortWidgets widgets) {
    PINSMITH_ASSERT(index >= 0 && index < PortCount());
    PINSMITH_ASSERT(widgets.Combo && widgets.Prefix && widgets.List.IsSet());
    TCardPort& port = ports_[static_cast<std::size_t>(index)];
    PINSMITH_ASSERT(port.Combo == nullptr);
    static_cast<TPortWidgets&>(port) = std::move(widgets);
    connect(port.Combo, &QComboBox::activated, this, [this, index] { CardComboChange(index); });
    connect(port.Prefix, &QLineEdit::textChanged, this,
            [this, index] { MirrorPairedPrefix(index); });
}

void TBoardForm::MirrorPairedPrefix(int index) {
    const HeaderPair& pair = Definition().pair;
    if (!pair.IsSet() || (index != pair.port0 && index != pair.port1)) {
        return;
    }
    // While one card takes both headers, one prefix edit is enabled; the
    // disabled one shows (and the record keeps) the same text.
    TCardPort& source = Port(index);
    TCardPort& other = Port(index == pair.port0 ? pair.port1 : pair.port0);
    if (source.Prefix->isEnabled() && !other.Prefix->isEnabled() &&
        other.Prefix->text() != source.Prefix->text()) {
        other.Prefix->setText(source.Prefix->text());
    }
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
    // Every peripheral and port of the definition has its controls.
    PINSMITH_ASSERT(peripherals_.size() == Definition().peripherals.size());
    for (const TCardPort& port : ports_) {
        PINSMITH_ASSERT(port.Combo != nullptr);
    }
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

void TBoardForm::SetDefaultConfig() {
    SetDefaultRecord(Definition(), RecordBytes());
}

void TBoardForm::RefreshPortDefinitions() {
    const std::vector<BoardCardPort> ports = EffectivePorts(Definition(), RecordBytes());
    for (std::size_t i = 0; i < ports_.size(); ++i) {
        ports_[i].Def = ports[i];
    }
}

void TBoardForm::ShowRecord() {
    const HeaderPair& pair = Definition().pair;
    if (pair.IsSet()) {
        for (int port : {pair.port0, pair.port1}) {
            Port(port).Combo->setEnabled(true);
            Port(port).Prefix->setEnabled(true);
        }
    }
    // The record as the rules take it: every field in range.
    MendRecord(Definition(), RecordBytes());
    BeforeShowRecord();
    if (listsDependOnRecord_) {
        FillCardCombos();
    }
    ShowRecordBytes(RecordBytes());
    if (pair.IsSet()) {
        SyncDualHeader(Port(pair.port0).Combo);
    }
    // Pictures and outlines follow the combos as pairing left them.
    UpdateCardPictures();
    UpdateShapes();
    AfterShowRecord();
}

void TBoardForm::ShowRecordBytes(std::span<const std::uint8_t> record) {
    projectName_->setText(Latin1(RecordFieldText(record, Definition().record.projectNameOffset)));
    for (const Peripheral& p : peripherals_) {
        PINSMITH_ASSERT(p.offset < record.size());
        // The outlines follow once the whole record is shown.
        const QSignalBlocker block(p.box);
        p.box->setChecked(record[p.offset] != 0);
    }
    for (TCardPort& port : ports_) {
        port.Prefix->clear();
        const int index = port.List.IndexOf(RecordPortCard(record, port.Def));
        if (index >= 0) {
            port.Combo->setCurrentIndex(index);
            if (index > 0 || !prefixEmptyWithoutCard_) {
                port.Prefix->setText(Latin1(RecordFieldText(record, port.Def.prefixOffset)));
            }
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
    StampRecordHeader(Definition(), record);
    SetRecordFieldText(record, Definition().record.projectNameOffset, ProjectNameText());
    for (const Peripheral& p : peripherals_) {
        record[p.offset] = p.box->isChecked() ? 1 : 0;
    }
    for (int i = 0; i < PortCount(); ++i) {
        const TCardPort& port = ports_[static_cast<std::size_t>(i)];
        SetRecordPortCard(record, port.Def, PortCard(i));
        SetRecordFieldText(record, port.Def.prefixOffset, PortPrefix(i));
    }
    BoardControlsToRecord(record);
}

std::vector<std::uint8_t> TBoardForm::ControlsRecord() {
    const std::span<const std::uint8_t> held = RecordBytes();
    std::vector<std::uint8_t> record(held.begin(), held.end());
    ReadControlsInto(record);
    return record;
}

void TBoardForm::FillCardCombos() {
    RefreshPortDefinitions();
    const std::span<const std::uint8_t> record = RecordBytes();
    std::vector<const TCardListRef*> built;
    for (TCardPort& port : ports_) {
        const bool done = std::any_of(built.begin(), built.end(), [&](const TCardListRef* l) {
            return l->SameListAs(port.List);
        });
        if (!done) {
            port.List.Build(port.Def.listType, port.Def.allowTransceiver, port.Def.listVoltage);
            port.List.Append(port.Def.appendedCards);
            built.push_back(&port.List);
        }
    }
    // A card that cannot generate on a port is not offered there (on a list
    // that ports share, on none of them).
    for (TCardPort& port : ports_) {
        port.List.RemoveIf([&](CardId card) { return !CardFitsPort(port.Def, card); });
    }
    for (TCardPort& port : ports_) {
        port.Combo->clear();
        for (int i = 0; i < port.List.Count(); ++i) {
            port.Combo->addItem(Latin1(BoardName(port.List.At(i))));
        }
        const int index =
            listsDependOnRecord_ ? port.List.IndexOf(RecordPortCard(record, port.Def)) : 0;
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
    const HeaderPair& pair = Definition().pair;
    if (!pair.IsSet()) {
        return;
    }
    const bool fromFirst = sender == Port(pair.port0).Combo;
    TCardPort& source = Port(fromFirst ? pair.port0 : pair.port1);
    TCardPort& target = Port(fromFirst ? pair.port1 : pair.port0);
    const CardId sourceCard = source.List.At(source.Combo->currentIndex());
    const CardId targetCard = target.List.At(target.Combo->currentIndex());
    const PairedHeader action = PairHeaders(sourceCard, targetCard);
    if (action == PairedHeader::Follow) {
        target.Combo->setCurrentIndex(source.Combo->currentIndex());
        target.Prefix->setText(source.Prefix->text());
        target.Combo->setEnabled(false);
        target.Prefix->setEnabled(false);
        return;
    }
    target.Combo->setEnabled(true);
    target.Prefix->setEnabled(true);
    if (action == PairedHeader::FreeAndCleared) {
        target.Combo->setCurrentIndex(0);
        target.Prefix->clear();
    }
}

// ---------------------------------------------------------------------------
// Validation

bool TBoardForm::CheckControls(std::string& message) {
    return CheckRecord(Definition(), ControlsRecord(), message);
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

bool TBoardForm::WriteProject(TMainBoard* board, const std::string& projectFile, bool vhdl) {
    return WriteQuartusProject(board, projectFile, vhdl);
}

bool TBoardForm::BuildProject(const std::string& projectFile) {
    // What is generated becomes the held record, as Save Setting keeps it:
    // choices the form brings back from the record (a combo of a box ticked
    // again) are the generated ones.
    ReadControlsInto(RecordBytes());
    const std::span<const std::uint8_t> held = RecordBytes();
    const std::vector<std::uint8_t> record(held.begin(), held.end());
    const std::unique_ptr<TMainBoard> board = BuildBoardModel(Definition(), record);
    return WriteProject(board.get(), projectFile, UsesVhdl(Definition(), record));
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
        if (!savesBeforeTeardown_) {
            FormClose();
        }
    }
    event->accept();
}

void TBoardForm::SaveBeforeTeardown() {
    if (!savesBeforeTeardown_ || tornDown_) {
        return;
    }
    tornDown_ = true;
    ReadControlsInto(RecordBytes());
    HolderSaveDefault();
}

void TBoardForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QWidget::keyPressEvent(event);
        return;
    }
    // The key ends here whatever it does: the main window has no use for it.
    event->accept();
    QWidget* focus = focusWidget();
    if (auto* focused = qobject_cast<QPushButton*>(focus); focused && isAncestorOf(focused)) {
        if (focused->isVisible() && focused->isEnabled()) {
            focused->click();
        }
        return;
    }
    // Typing: a name or a prefix is not confirmed with the default button.
    for (QWidget* w = focus; w && w != this; w = w->parentWidget()) {
        if (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
            qobject_cast<QAbstractSpinBox*>(w)) {
            return;
        }
    }
    for (QPushButton* candidate : findChildren<QPushButton*>()) {
        if (candidate->isDefault()) {
            if (candidate->isVisible() && candidate->isEnabled()) {
                candidate->click();
            }
            return;
        }
    }
}

void TBoardForm::ButtonSaveClick() {
    if (!CheckSettings()) {
        return;
    }
    ReadControlsInto(RecordBytes());
    HolderSaveWithDialog(SaveDialog);
}

void TBoardForm::ButtonLoadClick() {
    // A refused file has shown its reason already.
    if (HolderLoadWithDialog(OpenDialog)) {
        ShowRecord();
    } else if (failedLoadBox_) {
        platform::ErrorBox("Failed to load setting");
    }
}

void TBoardForm::ButtonDefaultSettingClick() {
    SetDefaultConfig();
    ShowRecord();
}

void TBoardForm::ButtonGenClick() {
    if (!CheckSettings() || !ConfirmGenerate()) {
        return;
    }
    if (!Definition().batch.empty() && platform::qt::IsLeftCtrlDown()) {
        GenerateAllCards();
        return;
    }
    if (ctrlBeep_ && platform::qt::IsLeftCtrlDown()) {
        platform::Beep();
    }
    const std::string projectFile =
        config::AskProjectFile(SaveDialog, FolderWord(), ProjectNameText());
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
        BeforeSuccessBox();
        if (successBox_) {
            platform::InformationBox(
                platform::Format("Generate Quartus Project successfully.\r\nThe project is located "
                                 "in the folder:\r\n%s",
                                 platform::ExtractFilePath(projectFile).c_str()));
        }
        AfterGenerateSuccess();
        if (hpsBox_ && hpsBox_->isChecked()) {
            platform::InformationBox("===== HPS System warning =====\r\n"
                                     "To prevent any errors while compiling your Quartus project, "
                                     "\r\n"
                                     "please add the Altera HPS IP to your design.\r\n");
        }
    } else {
        platform::ErrorBox(platform::Format("Failed to generate Quartus project: %s.",
                                            platform::ExtractFileName(projectFile).c_str()));
    }
}

TBoardForm::SavedControls TBoardForm::SaveControls() const {
    SavedControls saved;
    saved.projectName = projectName_->text();
    for (const TCardPort& port : ports_) {
        saved.comboIndexes.push_back(port.Combo->currentIndex());
        saved.prefixes.push_back(port.Prefix->text());
    }
    return saved;
}

void TBoardForm::RestoreControls(const SavedControls& saved) {
    projectName_->setText(saved.projectName);
    for (std::size_t i = 0; i < ports_.size(); ++i) {
        // Exactly as they were: no mirroring between paired prefixes.
        const QSignalBlocker block(ports_[i].Prefix);
        ports_[i].Combo->setCurrentIndex(saved.comboIndexes[i]);
        ports_[i].Prefix->setText(saved.prefixes[i]);
    }
}

void TBoardForm::ShowBatchStep(const BatchStep& step) {
    projectName_->setText(Latin1(step.name));
    for (const BatchChoice& choice : step.choices) {
        TCardPort& port = Port(choice.port);
        const int index = port.List.IndexOf(choice.card);
        PINSMITH_ASSERT(index >= 0); // the step comes from the same list
        port.Combo->setCurrentIndex(index);
        if (choice.prefix) {
            const QSignalBlocker block(port.Prefix);
            port.Prefix->setText(Latin1(*choice.prefix));
        }
    }
}

void TBoardForm::GenerateAllCards() {
    if (batchBeep_) {
        platform::Beep();
    }
    const std::vector<BatchStep> steps = BatchSteps(Definition(), ControlsRecord());
    const std::string chosen = config::AskProjectFile(SaveDialog, FolderWord(), ProjectNameText());
    if (chosen.empty()) {
        return; // cancelled, or the folder could not be made (reported)
    }
    const std::string folder = platform::ExtractFilePath(chosen);
    const SavedControls saved = SaveControls();
    for (const BatchStep& step : steps) {
        ShowBatchStep(step);
        const std::string projectFolder = folder + step.name + platform::kPathSep;
        platform::FileFailure failure;
        if (!platform::ForceDirectories(projectFolder, &failure)) {
            platform::ErrorBox(platform::Format("Cannot create the project folder %s: %s",
                                                projectFolder.c_str(), failure.reason.c_str()));
            break;
        }
        const std::string projectFile = projectFolder + step.name + ".qpf";
        if (!BuildProject(projectFile)) {
            platform::ErrorBox(platform::Format("Failed to generate Quartus project: %s.",
                                                platform::ExtractFileName(projectFile).c_str()));
            break;
        }
    }
    RestoreControls(saved);
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
