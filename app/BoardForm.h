#pragma once
// The life cycle every board form follows, written once.
//
// A board form derives from TBoardFormOf<Holder> (Holder: TConfigBase<Record>
// or a TConfigBoard descendant), builds its controls from its layout, then,
// in its constructor:
//   SetBoard(definition);               (the board's registry entry)
//   SetProjectNameEdit(...); SetButtons({...});
//   BindPeripherals({exceptions...});  (CheckBox<group>, Shape<group>)
//   BindPorts({lists...}, {exceptions...});
//       (ComboBox<port>, EditPrefix<port>, Image<port>, Shape<port>)
//   InitForm();
// and overrides only the hooks its board needs:
//   ConfigToBoardControls, BoardControlsToConfig   (extra controls <-> record)
//   BeforeShowRecord, AfterShowRecord, FillCardCombos         (showing)
//   UpdateBoardShapes                                         (outlines)
//   CheckSettings, ConfirmGenerate        (the check; questions before Generate)
//   BeforeSuccessBox, AfterGenerateSuccess                    (reminders)
//
// The rules themselves (defaults, mending a loaded record, the settings
// checks, pairing, attaching the cards, the pin filler) run in the core over
// the board's definition (boards/BoardRules.h); the form binds widgets to
// them and draws.
//
// Card combos are connected with `activated`, so setting an index from code
// runs no handler. Peripheral check boxes run CheckBoxClick once per change
// of their state (`toggled`), whatever changed it: a click, the keyboard or
// the accessibility interface; showing a record sets them without it.
// Texts of the record are 8-bit (Latin-1) and end at their first NUL or at
// the field's end; a record is mended before it reaches the controls.

#include "boards/BoardDef.h"
#include "model/CardCatalogue.h"
#include "model/Connector.h"
#include "model/MainBoard.h"
#include "model/Pin.h"
#include "model/Sizes.h"
#include "platform/Dialogs.h"
#include "settings/ConfigBase.h"

#include <QString>
#include <QWidget>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <iterator>
#include <memory>
#include <span>
#include <string>
#include <type_traits>
#include <vector>

struct BatchStep;
class QCheckBox;
class QCloseEvent;
class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class TMainBoard;
class TShape;

// Stops the program: the form's layout lacks the named control.
[[noreturn]] void MissingControl(const QString& name);

// The form's child of that name and type (a dialog it owns included); an
// internal error when the layout lacks it.
template <class W> W* FormChild(QWidget* form, const QString& name) {
    W* widget = form->findChild<W*>(name);
    if (!widget) {
        MissingControl(name);
    }
    return widget;
}

// The card list of one settings holder: its CardCount and CardIds, and how
// to rebuild them.
class TCardListRef {
public:
    TCardListRef() = default;
    template <class Holder>
    requires(!std::is_same_v<std::remove_cv_t<Holder>, TCardListRef>)
        TCardListRef(Holder& holder) // NOLINT: a holder converts to its list
        : count_(&holder.CardCount), ids_(holder.CardIds), capacity_(std::size(holder.CardIds)),
          build_([&holder](ConnectorType type, bool allowTransceiver, Voltage voltage) {
              holder.BuildCardList(type, allowTransceiver, voltage);
          }) {}

    bool IsSet() const { return ids_ != nullptr; }
    int Count() const { return count_ ? *count_ : 0; }
    // The card at a combo index; None for an index outside the list.
    CardId At(int index) const;
    // The first index holding the card, or -1.
    int IndexOf(CardId card) const;
    void Build(ConnectorType type, bool allowTransceiver, Voltage voltage) const;
    // Cards added after those the list holds (a port's appended cards).
    void Append(std::span<const std::uint8_t> cards) const;
    // Leaves out the cards after None that the predicate refuses.
    void RemoveIf(const std::function<bool(CardId)>& refuse) const;
    bool SameListAs(const TCardListRef& other) const { return ids_ == other.ids_; }

private:
    std::int32_t* count_ = nullptr;
    std::uint8_t* ids_ = nullptr;
    std::size_t capacity_ = 0;
    std::function<void(ConnectorType, bool, Voltage)> build_;
};

// A card list of one port's own, for a form whose ports would otherwise
// share a settings holder's list although they offer different cards.
struct TPortCardList {
    std::int32_t CardCount = 0;
    std::uint8_t CardIds[config::kCardListCapacity] = {};
    void BuildCardList(ConnectorType type, bool allowTransceiver, Voltage voltage) {
        CardCount = config::BuildCardList(config::CardListRule::Holder, type, allowTransceiver,
                                          voltage, CardIds);
    }
};

// The widgets of one card port, and the holder whose list the combo shows.
struct TPortWidgets {
    QComboBox* Combo = nullptr;
    QLineEdit* Prefix = nullptr;
    QLabel* Image = nullptr; // picture of the chosen card; may be null
    TShape* Shape = nullptr; // outline shown while a card is chosen; may be null
    TCardListRef List;
};

// A bound port: its widgets and the definition's port as it is for the
// record shown (Def.name is the port's name in messages).
struct TCardPort : TPortWidgets {
    BoardCardPort Def{};
};

// A card port whose picture or outline breaks the naming scheme (see
// BindPorts).
struct TPortControls {
    const char* port;            // the port's name in the definition
    const char* image = nullptr; // nullptr: Image<port>; "": none
    const char* shape = nullptr; // nullptr: Shape<port>; "": none
};

// A port whose combo shows another list than the settings holder's.
struct TPortList {
    const char* port; // the port's name in the definition
    TCardListRef list;
};

// A peripheral group whose controls break the naming scheme (check box
// CheckBox<group>, one outline Shape<group>).
struct TPeripheralControls {
    const char* group;              // the group's name in the definition
    const char* checkBox = nullptr; // nullptr: CheckBox<group>
    const char* shapes = nullptr; // outline names, blank-separated; "": none; nullptr: Shape<group>
};

struct TFormButtons {
    QPushButton* Save = nullptr;
    QPushButton* Load = nullptr;
    QPushButton* Gen = nullptr;
    QPushButton* Exit = nullptr;
    QPushButton* MainBoardSelect = nullptr;
    QPushButton* DefaultSetting = nullptr;
};

class TBoardForm : public QWidget {
    Q_OBJECT

public:
    explicit TBoardForm(QWidget* owner);
    ~TBoardForm() override;

    // Handlers.
    virtual void FormClose();
    virtual void ButtonSaveClick();
    void ButtonLoadClick();
    virtual void ButtonDefaultSettingClick();
    // The settings check, the board's questions (ConfirmGenerate), then
    // the project file and the project.
    void ButtonGenClick();
    // Generate with Ctrl held on a board with a batch (BoardDef::batch):
    // a beep, one project-file question for the folder, then one project
    // per step of boards/BoardBatch.h in a folder of its own (made with its
    // parents), the step's cards and prefixes set in the controls from code
    // and its name in the project-name edit. Cancel ends it before anything
    // is written; a folder that cannot be made or a failed project shows
    // its box and ends it. The controls are restored afterwards.
    virtual void GenerateAllCards();
    virtual void ButtonExitClick();
    virtual void ButtonMainBoardSelectClick();
    // A peripheral check box changed its state.
    virtual void CheckBoxClick();
    // The user picked an entry in the combo of a port.
    virtual void CardComboChange(int port);

    // Members every board form has.
    void SetDefaultConfig();       // defaults into the holder's record
    virtual void FillCardCombos(); // lists built, combos filled
    virtual void UpdateCardPictures();
    void UpdateShapes();
    // The settings check before Save Setting and Generate: its boxes, false
    // on failure. A board whose check asks or warns as it goes replaces it.
    virtual bool CheckSettings();
    // The controls into the held record, then the project of that record.
    bool BuildProject(const std::string& projectFile);
    void SyncDualHeader(QComboBox* sender);
    // Copies a paired header's enabled prefix edit into the disabled one.
    void MirrorPairedPrefix(int index);

    // The validation of CheckSettings without the box: false with the
    // message of the first failed rule.
    bool CheckControls(std::string& message);
    // The record the controls stand for: the held record with the controls
    // written into it.
    std::vector<std::uint8_t> ControlsRecord();

    // Shows the holder's record: the construction step, also run after Load
    // Setting and Default Setting.
    virtual void ShowRecord();

    // Boards that keep default.cfg from the moment their form goes away
    // rather than from its closing: the controls into the record, then
    // default.cfg. The main window runs it once, before it deletes the form
    // or while it closes, so that a failed write shows its box over a live
    // window; later calls and other boards do nothing.
    void SaveBeforeTeardown();
    bool SavesBeforeTeardown() const { return savesBeforeTeardown_; }

    ::BoardId GetBoardId() const { return def_ ? def_->id : MAINBOARD_NONE; }
    const BoardDef& Definition() const;
    std::string FolderWord() const { return Definition().folderWord; }
    int PortCount() const { return static_cast<int>(ports_.size()); }
    TCardPort& Port(int index);
    // The card chosen in a port's combo.
    CardId PortCard(int index) const;
    std::string PortPrefix(int index) const;
    std::string ProjectNameText() const;

    platform::FileDialog OpenDialog{platform::FileDialogKind::Open};
    platform::FileDialog SaveDialog{platform::FileDialogKind::Save};

protected:
    // --- set-up, called from the board's constructor ---------------------
    void SetBoard(const BoardDef& definition);
    void SetProjectNameEdit(QLineEdit* edit);
    void SetButtons(const TFormButtons& buttons);
    // Every named peripheral group of the definition: its check box and
    // outlines found among the form's children by the naming scheme, or as
    // the exceptions name them. A missing control stops the program.
    void BindPeripherals(std::span<const TPeripheralControls> exceptions = {});
    // Every card port of the definition: its combo ComboBox<port>, prefix
    // edit EditPrefix<port>, card picture Image<port> and outline
    // Shape<port>, found among the form's children (a dialog it owns
    // included). <port> is the port's name as the layouts spell it: a
    // control stands for the port when the letters and digits after its
    // kind word equal those of the port's name, case aside ("GPIO-0" binds
    // ComboBoxGpio0, ComboBoxGpio_0 and ComboBoxGPIO_0 alike). A port's combo
    // shows the settings holder's list unless `lists` names another. A
    // missing or doubled control stops the program.
    void BindPorts(std::span<const TPortList> lists = {},
                   std::span<const TPortControls> exceptions = {});
    // Whether FillCardCombos runs before the record is loaded (the lists do
    // not depend on it) or each time a record is shown. Default: before.
    void SetListsDependOnRecord(bool depend) { listsDependOnRecord_ = depend; }
    // The board's HPS check box: when it is ticked, a successful generation
    // ends with the HPS reminder (after the board's own reminders).
    void SetHpsCheckBox(QCheckBox* box) { hpsBox_ = box; }
    // Whether a successful generation ends with the success box (default:
    // yes). The reminders after it run either way.
    void SetSuccessBox(bool shown) { successBox_ = shown; }
    // A board without a batch: Generate with Ctrl held beeps, then generates
    // as usual (default: no beep).
    void SetCtrlBeep(bool beeps) { ctrlBeep_ = beeps; }
    // Whether the batch starts with a beep (default: yes).
    void SetBatchBeep(bool beeps) { batchBeep_ = beeps; }
    // default.cfg is saved before the form's teardown (SaveBeforeTeardown)
    // instead of when the form closes (FormClose).
    void SetSavesBeforeTeardown(bool saves) { savesBeforeTeardown_ = saves; }
    // Whether a port whose combo shows None shows an empty prefix edit, even
    // when the record holds a prefix for it (default: the record's prefix).
    void SetPrefixEmptyWithoutCard(bool empty) { prefixEmptyWithoutCard_ = empty; }
    // Whether Load Setting that loads nothing (a cancelled dialog, or a
    // refused file after the box with its reason) ends with the box "Failed
    // to load setting" (default: no further box).
    void SetFailedLoadBox(bool shown) { failedLoadBox_ = shown; }
    // The usual background of the board forms (235, 233, 237).
    void SetFormColour(const QColor& colour);
    // The main window's caption becomes this form's caption.
    void CopyCaptionToMainWindow();
    // Runs the construction steps: edits limited, lists, LastDir, default
    // record or defaults, ShowRecord.
    void InitForm();

    // --- hooks ------------------------------------------------------------
    virtual void BeforeShowRecord() {}
    virtual void AfterShowRecord() {}
    virtual void UpdateBoardShapes() {}
    virtual void AfterGenerateSuccess() {}
    // The questions and warnings of Generate after the settings check
    // passed, before anything else; false when the user does not go on.
    virtual bool ConfirmGenerate() { return true; }
    // A reminder shown after a successful generation, before the success
    // box.
    virtual void BeforeSuccessBox() {}

    // --- record plumbing, provided by TBoardFormOf ------------------------
    virtual std::span<std::uint8_t> RecordBytes() = 0;
    virtual void BoardRecordToControls(std::span<const std::uint8_t> record) = 0;
    virtual void BoardControlsToRecord(std::span<std::uint8_t> record) = 0;
    virtual bool HolderLoadDefault() = 0;
    virtual bool HolderSaveDefault() = 0;
    virtual bool HolderSaveWithDialog(platform::FileDialog& dialog) = 0;
    virtual bool HolderLoadWithDialog(platform::FileDialog& dialog) = 0;
    virtual std::string& HolderLastDir() = 0;
    virtual TCardListRef HolderCardList() = 0;

    // The generic parts, on raw record bytes.
    void ShowRecordBytes(std::span<const std::uint8_t> record);
    void ReadControlsInto(std::span<std::uint8_t> record);
    // The ports' definitions as they are for the held record (a voltage
    // choice can change a port's list and standard).
    void RefreshPortDefinitions();
    // Runs the project writer.
    static bool WriteProject(TMainBoard* board, const std::string& projectFile, bool vhdl);

    void closeEvent(QCloseEvent* event) override;
    // Enter or Return: a focused button is clicked; in an edit box or a
    // combo (or a spin box) the key does nothing; anywhere else the form's
    // default button is clicked.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // What the batch changes and gives back.
    struct SavedControls {
        QString projectName;
        std::vector<int> comboIndexes;
        std::vector<QString> prefixes;
    };
    SavedControls SaveControls() const;
    // The widgets of the definition's port at index.
    void BindCardPort(int index, TPortWidgets widgets);
    // A check box of the peripheral at a record offset of the definition.
    void AddPeripheral(QCheckBox* box, std::size_t recordOffset, std::vector<TShape*> shapes);
    void RestoreControls(const SavedControls& saved);
    // Sets a batch step's name, cards and prefixes in the controls.
    void ShowBatchStep(const BatchStep& step);

    struct Peripheral {
        QCheckBox* box;
        std::size_t offset;
        std::vector<TShape*> shapes;
    };

    const BoardDef* def_ = nullptr;
    QCheckBox* hpsBox_ = nullptr;
    QLineEdit* projectName_ = nullptr;
    std::vector<Peripheral> peripherals_;
    std::vector<TCardPort> ports_;
    bool listsDependOnRecord_ = false;
    bool closed_ = false;
    bool successBox_ = true;
    bool savesBeforeTeardown_ = false;
    bool tornDown_ = false;
    bool prefixEmptyWithoutCard_ = false;
    bool failedLoadBox_ = false;
    bool ctrlBeep_ = false;
    bool batchBeep_ = true;
};

// The typed half: the settings holder and the board's record.
template <class Holder> class TBoardFormOf : public TBoardForm {
public:
    using Record = std::remove_cvref_t<decltype(std::declval<Holder&>().Config)>;
    static_assert(std::is_trivially_copyable_v<Record>);

    explicit TBoardFormOf(QWidget* owner) : TBoardForm(owner) {}

    // The first holder: the record, the settings folder, the first list.
    Holder Settings;

    // Shows a record in the controls (the generic part of ShowRecord).
    void ConfigToControls(const Record& record) { ShowRecordBytes(Bytes(record)); }
    // Writes the controls into a record; always true.
    bool ControlsToConfig(Record& record) {
        ReadControlsInto(Bytes(record));
        return true;
    }

protected:
    // The board's own controls: shown (from a mended record) and read back.
    virtual void ConfigToBoardControls(const Record& /*record*/) {}
    virtual void BoardControlsToConfig(Record& /*record*/) {}

    static std::span<std::uint8_t> Bytes(Record& record) {
        return {reinterpret_cast<std::uint8_t*>(&record), sizeof(Record)};
    }
    static std::span<const std::uint8_t> ConstBytes(const Record& record) {
        return {reinterpret_cast<const std::uint8_t*>(&record), sizeof(Record)};
    }

    std::span<std::uint8_t> RecordBytes() override { return Bytes(Settings.Config); }
    void BoardRecordToControls(std::span<const std::uint8_t> bytes) override {
        Record record;
        std::memcpy(&record, bytes.data(), sizeof(Record));
        ConfigToBoardControls(record);
    }
    void BoardControlsToRecord(std::span<std::uint8_t> bytes) override {
        Record record;
        std::memcpy(&record, bytes.data(), sizeof(Record));
        BoardControlsToConfig(record);
        std::memcpy(bytes.data(), &record, sizeof(Record));
    }
    bool HolderLoadDefault() override { return Settings.LoadDefault(); }
    bool HolderSaveDefault() override { return Settings.SaveDefault(); }
    bool HolderSaveWithDialog(platform::FileDialog& dialog) override {
        return Settings.SaveWithDialog(dialog);
    }
    bool HolderLoadWithDialog(platform::FileDialog& dialog) override {
        return Settings.LoadWithDialog(dialog);
    }
    std::string& HolderLastDir() override { return Settings.LastDir; }
    TCardListRef HolderCardList() override { return Settings; }
};
