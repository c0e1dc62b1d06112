#pragma once
// What the Ombrel and Nolvar forms share: the programmable oscillators (a
// combo per chip that follows the interfaces the chip serves), the Generate
// road with its oscillator warnings, the memory and transceiver reminders
// shown before the success box, and the picture with its outlines.
//
// A check-box click first updates the outlines, then lets the oscillator
// combos follow their interfaces, so an oscillator outline shows the combo
// as it was before the click until the next update.

#include "app/BoardForm.h"
#include "app/RememberedCombo.h"
#include "boards/Boards.h"
#include "settings/ConfigBase.h"

#include <QColor>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <utility>
#include <vector>

class QComboBox;
class QLabel;
class TShape;

namespace stratix5 {

// One programmable oscillator on a form.
struct OscillatorRow {
    QComboBox* combo = nullptr;
    int offIndex = 0;               // the entry shown while its interfaces are unticked
    std::size_t recordOffset = 0;   // the i32 of the record holding the shown entry
    TShape* outline = nullptr;      // shown while the combo is not at its off entry
    std::function<bool()> consumer; // an interface the chip serves is ticked
};

class TOscillatorCombos {
public:
    // onPick runs after a user's pick has been remembered (may be empty).
    void Add(OscillatorRow row, std::function<void()> onPick = {});
    // A shown record: its choices remembered, the combos following their
    // interfaces.
    void ShowRecord(std::span<const std::uint8_t> record);
    // Each combo enabled with its remembered choice while its interfaces
    // are in use, else disabled at its off entry.
    void Follow();
    // The entries the combos show into the record.
    void ReadInto(std::span<std::uint8_t> record) const;
    void UpdateOutlines() const;
    // The combo at index shows an entry other than its off entry.
    bool IsOn(int index) const;

private:
    struct Entry {
        OscillatorRow row;
        TRememberedCombo combo;
    };
    std::vector<std::unique_ptr<Entry>> entries_;
};

// The Si570 entries: offText, then the frequencies of indexes 1..7.
std::vector<std::string> Si570Items(const char* offText);
// Fills a combo with its entries, showing `visible` of them at once.
void FillOscillatorCombo(QComboBox* combo, const std::vector<std::string>& items, int visible);

// A warning with Yes and No; true when the answer is Yes.
bool AskToContinue(const std::string& text);

// The reminders after a successful generation: the memory section when a
// DDR3 or QDRII+ box is ticked, then the transceiver section naming the
// ticked interfaces in the order given.
std::string GenerationNotes(bool ddr3, bool qdr,
                            std::initializer_list<std::pair<bool, const char*>> transceivers);

// The board picture with its outlines (by name), the maker's logo and the
// family badge.
std::map<std::string, TShape*> ShowFormPicture(BoardId board, QLabel* image, QLabel* logo,
                                               QLabel* badge);

} // namespace stratix5

// The form of a Stratix V board whose record is held by TConfigBase: the
// board's own part adds its oscillators and the warnings before Generate.
template <class Record> class TStratixVForm : public TBoardFormOf<TConfigBase<Record>> {
    using Base = TBoardFormOf<TConfigBase<Record>>;

public:
    using Base::Base;

    // The oscillator warnings; false when the user does not go on.
    virtual bool ConfirmOscillators() = 0;

    void CheckBoxClick() override {
        Base::CheckBoxClick(); // the outlines
        Oscillators.Follow();
    }

    stratix5::TOscillatorCombos Oscillators;

protected:
    bool ConfirmGenerate() override { return ConfirmOscillators(); }

    // The set-up both forms share, on their laid-out controls (the same
    // names in both layouts): size, colour, picture and logos, definition,
    // project name and buttons; Load Setting that loads nothing ends with
    // "Failed to load setting". Returns the outlines by name.
    template <class UiForm>
    std::map<std::string, TShape*> SetUpForm(UiForm& ui, BoardId board, int width, int height) {
        ui.setupUi(this);
        this->setFixedSize(width, height);
        this->SetFormColour(QColor(235, 233, 237)); // 0xEDE9EB
        std::map<std::string, TShape*> outlines =
            stratix5::ShowFormPicture(board, ui.ImageBoard, ui.ImageQuelmar, ui.ImageStratix);
        this->SetBoard(*FindBoard(board));
        this->SetProjectNameEdit(ui.EditProjectName);
        this->SetButtons({ui.ButtonSave, ui.ButtonLoad, ui.ButtonGen, ui.ButtonExit,
                          ui.ButtonMainBoardSelect, ui.ButtonDefaultSetting});
        this->SetFailedLoadBox(true);
        return outlines;
    }

    void ConfigToBoardControls(const Record& record) override {
        Oscillators.ShowRecord(Base::ConstBytes(record));
    }
    void BoardControlsToConfig(Record& record) override {
        Oscillators.ReadInto(Base::Bytes(record));
    }
    void UpdateBoardShapes() override { Oscillators.UpdateOutlines(); }
};
