#pragma once
// The life cycle every board form follows, written once.
//
// A board form derives from TBoardFormOf<Holder> (Holder: TConfigBase<Record>
// or a TConfigBoard descendant), builds its controls from its layout, then,
// in its constructor:
//   SetBoard(id, default project name, folder word);
//   SetProjectNameEdit(...); SetButtons({...});
//   AddPeripheral(checkBox, offsetof(Record, Field), {shapes...}) per group;
//   AddCardPort({...}) per card port (combo, prefix edit, picture, outline,
//       card list and its arguments, record offsets, connector id, family);
//   SetDualHeader(port0, port1, pairConnector) for two 40-pin GPIO headers;
//   InitForm();
// and overrides only the hooks its board needs:
//   SetBoardDefaults, ConfigToBoardControls, BoardControlsToConfig  (record)
//   BeforeShowRecord, AfterShowRecord, FillCardCombos               (showing)
//   UpdateBoardShapes                                               (outlines)
//   CheckBoardSettings, SkipPrefixRule                              (validation)
//   FillBoard (the pin filler), AttachCards, UsesVhdl               (generation)
//   AfterGenerateSuccess                                            (reminders)
// Handlers are virtual as well, for boards with a batch mode or extra steps.
//
// Card combos are connected with `activated`, so setting an index from code
// runs no handler. Texts of the record are 8-bit (Latin-1) and end at their
// first NUL or at the field's end; every record field is checked before it
// reaches a control.

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
#include <memory>
#include <span>
#include <string>
#include <type_traits>
#include <vector>

class QCheckBox;
class QCloseEvent;
class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class TMainBoard;
class TShape;

// The card list of one settings holder: its CardCount and CardIds, and how
// to rebuild them.
class TCardListRef {
public:
    TCardListRef() = default;
    template <class Holder>
    requires(!std::is_same_v<std::remove_cv_t<Holder>, TCardListRef>)
        TCardListRef(Holder& holder) // NOLINT: a holder converts to its list
        : count_(&holder.CardCount), ids_(holder.CardIds),
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
    bool SameListAs(const TCardListRef& other) const { return ids_ == other.ids_; }

private:
    std::int32_t* count_ = nullptr;
    std::uint8_t* ids_ = nullptr;
    std::function<void(ConnectorType, bool, Voltage)> build_;
};

struct TCardPort {
    std::string Name; // as the messages name it: "GPIO-0", "HSMC-A", "FMC-B"
    PortFamily Family = PortFamily::Gpio;
    QComboBox* Combo = nullptr;
    QLineEdit* Prefix = nullptr;
    QLabel* Image = nullptr; // picture of the chosen card; may be null
    TShape* Shape = nullptr; // outline shown while a card is chosen; may be null
    TCardListRef List;       // the holder whose list the combo shows
    ConnectorType ListType = CONNECTOR_GPIO80;
    bool AllowTransceiver = false;
    Voltage ListVoltage = VOLTAGE_3V3;
    std::size_t CardOffset = 0;   // record offset of the card id (u8)
    std::size_t PrefixOffset = 0; // record offset of the prefix (char[128])
    ConnectorId Connector = CONNECTOR_ID_NONE;
    IoStd IoStandard = IOSTD_3V3_LVTTL; // handed to the card's pin map
    std::string BusName;                // handed to the card's pin map
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
    virtual void ButtonLoadClick();
    virtual void ButtonDefaultSettingClick();
    virtual void ButtonGenClick();
    virtual void ButtonExitClick();
    virtual void ButtonMainBoardSelectClick();
    virtual void CheckBoxClick();
    // The user picked an entry in the combo of a port.
    virtual void CardComboChange(int port);

    // Members every board form has.
    void SetDefaultConfig();       // defaults into the holder's record
    virtual void FillCardCombos(); // lists built, combos filled
    virtual void UpdateCardPictures();
    void UpdateShapes();
    bool CheckSettings(); // error box on failure
    virtual bool BuildProject(const std::string& projectFile);
    void SyncDualHeader(QComboBox* sender);

    // The validation of CheckSettings without the box: false with the
    // message of the first failed rule.
    bool CheckControls(std::string& message);

    // Shows the holder's record: the construction step, also run after Load
    // Setting and Default Setting.
    virtual void ShowRecord();

    ::BoardId GetBoardId() const { return boardId_; }
    const std::string& FolderWord() const { return folderWord_; }
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
    void SetBoard(::BoardId id, std::string defaultProjectName, std::string folderWord);
    // Offsets of the header fields, for a record that does not start with
    // the usual BoardId (0), Size (4), ProjectName (8).
    void SetRecordHeader(std::size_t boardIdOffset, std::size_t sizeOffset,
                         std::size_t projectNameOffset);
    void SetProjectNameEdit(QLineEdit* edit);
    void SetButtons(const TFormButtons& buttons);
    void AddPeripheral(QCheckBox* box, std::size_t recordOffset, std::vector<TShape*> shapes = {});
    int AddCardPort(TCardPort port);
    // Two 40-pin headers that an 80-pin card occupies together; the card is
    // then attached once, to pairConnector, with the first header's prefix.
    void SetDualHeader(int port0, int port1, ConnectorId pairConnector);
    // Whether FillCardCombos runs before the record is loaded (the lists do
    // not depend on it) or each time a record is shown. Default: before.
    void SetListsDependOnRecord(bool depend) { listsDependOnRecord_ = depend; }
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
    virtual bool CheckBoardSettings(std::string& /*message*/) { return true; }
    // A board may skip the prefix rule of a family under its own condition.
    virtual bool SkipPrefixRule(PortFamily /*family*/) { return false; }
    virtual void AfterGenerateSuccess() {}

    // --- record plumbing, provided by TBoardFormOf ------------------------
    virtual std::span<std::uint8_t> RecordBytes() = 0;
    virtual void DefaultsInto(std::span<std::uint8_t> record) = 0;
    virtual void BoardRecordToControls(std::span<const std::uint8_t> record) = 0;
    virtual void BoardControlsToRecord(std::span<std::uint8_t> record) = 0;
    virtual bool HolderLoadDefault() = 0;
    virtual bool HolderSaveDefault() = 0;
    virtual bool HolderSaveWithDialog(platform::FileDialog& dialog) = 0;
    virtual bool HolderLoadWithDialog(platform::FileDialog& dialog) = 0;
    virtual std::string& HolderLastDir() = 0;
    virtual bool BuildProjectFrom(std::span<const std::uint8_t> record,
                                  const std::string& projectFile) = 0;

    // The generic parts, on raw record bytes.
    void CommonDefaults(std::span<std::uint8_t> record) const;
    void ShowRecordBytes(std::span<const std::uint8_t> record);
    void ReadControlsInto(std::span<std::uint8_t> record);
    // Attaches the card of every port that holds one (the pair as one card).
    void AttachPortCards(TMainBoard* board, std::span<const std::uint8_t> record) const;
    // Runs the project writer.
    static bool WriteProject(TMainBoard* board, const std::string& projectFile, bool vhdl);

    void closeEvent(QCloseEvent* event) override;
    // Enter that no control used: the focused button, else the form's
    // default button, is clicked.
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Peripheral {
        QCheckBox* box;
        std::size_t offset;
        std::vector<TShape*> shapes;
    };

    ::BoardId boardId_ = MAINBOARD_NONE;
    std::string defaultProjectName_;
    std::string folderWord_;
    std::size_t boardIdOffset_ = 0;
    std::size_t sizeOffset_ = 4;
    std::size_t nameOffset_ = 8;
    QLineEdit* projectName_ = nullptr;
    std::vector<Peripheral> peripherals_;
    std::vector<TCardPort> ports_;
    int pair0_ = -1;
    int pair1_ = -1;
    ConnectorId pairConnector_ = CONNECTOR_ID_NONE;
    bool listsDependOnRecord_ = false;
    bool closed_ = false;
};

// The typed half: the settings holder and the board's record.
template <class Holder> class TBoardFormOf : public TBoardForm {
public:
    using Record = std::remove_cvref_t<decltype(std::declval<Holder&>().Config)>;
    static_assert(std::is_trivially_copyable_v<Record>);

    explicit TBoardFormOf(QWidget* owner) : TBoardForm(owner) {}

    // The first holder: the record, the settings folder, the first list.
    Holder Settings;

    // Shows a record in the controls (Part of ShowRecord).
    void ConfigToControls(const Record& record) { ShowRecordBytes(Bytes(record)); }
    // Writes the controls into a record; always true.
    bool ControlsToConfig(Record& record) {
        ReadControlsInto(Bytes(record));
        return true;
    }

protected:
    // Board defaults beyond the common ones (every byte 0, board id, size,
    // default project name, peripherals 1, no cards, empty prefixes).
    virtual void SetBoardDefaults(Record& /*record*/) {}
    // The board's own choices: shown (each field checked, an out-of-range
    // value replaced by the board's default) and read back.
    virtual void ConfigToBoardControls(const Record& /*record*/) {}
    virtual void BoardControlsToConfig(Record& /*record*/) {}
    // The board's pin filler.
    virtual void FillBoard(TMainBoard* board, const Record& record) = 0;
    virtual void AttachCards(TMainBoard* board, const Record& record) {
        AttachPortCards(board, ConstBytes(record));
    }
    virtual bool UsesVhdl(const Record& /*record*/) const { return false; }

    static std::span<std::uint8_t> Bytes(Record& record) {
        return {reinterpret_cast<std::uint8_t*>(&record), sizeof(Record)};
    }
    static std::span<const std::uint8_t> ConstBytes(const Record& record) {
        return {reinterpret_cast<const std::uint8_t*>(&record), sizeof(Record)};
    }

    std::span<std::uint8_t> RecordBytes() override { return Bytes(Settings.Config); }
    void DefaultsInto(std::span<std::uint8_t> bytes) override {
        CommonDefaults(bytes);
        Record record;
        std::memcpy(&record, bytes.data(), sizeof(Record));
        SetBoardDefaults(record);
        std::memcpy(bytes.data(), &record, sizeof(Record));
    }
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
    bool BuildProjectFrom(std::span<const std::uint8_t> bytes,
                          const std::string& projectFile) override {
        Record record;
        std::memcpy(&record, bytes.data(), sizeof(Record));
        auto board = std::make_unique<TMainBoard>();
        FillBoard(board.get(), record);
        AttachCards(board.get(), record);
        return WriteProject(board.get(), projectFile, UsesVhdl(record));
    }
};
