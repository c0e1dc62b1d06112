#pragma once
// The common form of the boards with two Si5340 clock chips (Zarvik, its
// DDR4 edition and Espern).
//
// Each clock combo follows the check boxes that use its clock: enabled
// with the user's last pick while one of them is ticked, disabled at
// "Not Use" otherwise (app/RememberedCombo.h), so a record saved or
// generated then carries item 0 and the chip output stays off. Each combo
// keeps its own pick: unticking one consumer never touches another combo's
// choice. Generate first warns (Yes/No) about a ticked consumer whose clock
// is at "Not Use"; No writes nothing. After a success the memory and
// transceiver reminders come in one box before the success box. Load
// Setting that loads nothing ends with "Failed to load setting". "Select
// All" ticks the board's boxes and picks its clocks over the defaults.

#include "app/BoardForm.h"
#include "app/RememberedCombo.h"
#include "platform/Ui.h"

#include <QPushButton>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class TConfigBoard;
class TShape;

enum class Si5340Chip { A, B };

// One clock combo: the chip that makes the clock, the record's i32 item
// index, the check boxes whose parts use it, its name in the clock warning
// and its item values in MHz (item 0 is "Not Use").
struct Si5340ClockRow {
    QComboBox* combo = nullptr;
    Si5340Chip chip = Si5340Chip::A;
    std::size_t indexOffset = 0;
    std::vector<QCheckBox*> consumers;
    const char* warningName = "";
    double (*frequency)(std::uint8_t) = nullptr;
    int items = 0;
};

// A name of the reminders ("DDR3-SDRAM", "QSFP+") and the boxes that call
// for it.
struct Si5340ReminderRow {
    const char* name;
    std::vector<QCheckBox*> boxes;
};

// The clock combos of one form, the outlines of the two chips and the
// texts built from them.
class TSi5340Clocks {
public:
    TSi5340Clocks();
    ~TSi5340Clocks();
    TSi5340Clocks(const TSi5340Clocks&) = delete;
    TSi5340Clocks& operator=(const TSi5340Clocks&) = delete;

    // Fills the combo with its items and binds it.
    void Add(Si5340ClockRow row);
    // The outline of a chip, shown while any consumer of its clocks is
    // ticked.
    void SetChipOutline(Si5340Chip chip, TShape* outline);
    // The memories and the transceiver interfaces the reminders name.
    void SetReminders(std::vector<Si5340ReminderRow> memories,
                      std::vector<Si5340ReminderRow> transceivers);

    // A shown record: its choices remembered, each combo following its
    // consumers.
    void Show(std::span<const std::uint8_t> record);
    // Each combo follows its consumers; the chip outlines follow too.
    void Follow();
    // The shown items into the record.
    void Write(std::span<std::uint8_t> record) const;

    // The warning about ticked consumers without a clock; empty when every
    // one has its clock.
    std::string Warning() const;
    // Empty, or the warning accepted with Yes.
    bool ConfirmClocks() const;
    // The reminders after a successful generation; empty when none applies.
    std::string Reminder() const;

    QComboBox* Combo(int index) const;

private:
    struct Clock;
    static bool AnyTicked(const std::vector<QCheckBox*>& boxes);
    std::vector<std::unique_ptr<Clock>> clocks_;
    TShape* outlines_[2] = {};
    std::vector<Si5340ReminderRow> memories_;
    std::vector<Si5340ReminderRow> transceivers_;
};

template <class Holder> class TSi5340Form : public TBoardFormOf<Holder> {
public:
    using Record = typename TBoardFormOf<Holder>::Record;

    explicit TSi5340Form(QWidget* owner) : TBoardFormOf<Holder>(owner) {
        this->SetFailedLoadBox(true);
    }

    // "Select All": the defaults, then the board's boxes and clocks.
    void ButtonButtonDefaultAllSettingClick() {
        this->SetDefaultConfig();
        SelectAll(this->Settings.Config);
        this->ShowRecord();
    }

protected:
    bool ConfirmGenerate() override { return Clocks.ConfirmClocks(); }
    void BindSelectAll(QPushButton* button) {
        QObject::connect(button, &QPushButton::clicked, this,
                         [this] { ButtonButtonDefaultAllSettingClick(); });
    }
    // What "Select All" sets over the default record.
    virtual void SelectAll(Record& record) = 0;

    void ConfigToBoardControls(const Record& record) override {
        Clocks.Show(this->ConstBytes(record));
    }
    void BoardControlsToConfig(Record& record) override { Clocks.Write(this->Bytes(record)); }
    // Every check box click and every shown record end here: the combos
    // and the chip outlines follow the boxes.
    void UpdateBoardShapes() override { Clocks.Follow(); }
    void BeforeSuccessBox() override {
        const std::string reminder = Clocks.Reminder();
        if (!reminder.empty()) {
            platform::InformationBox(reminder);
        }
    }

    TSi5340Clocks Clocks;
};
