#pragma once
// What the forms of Sollen, Tavrin, Wendal, Falmor, Quindle and Rasmer
// share: their layouts name the controls after the framework's scheme
// (CheckBox<group>, Shape<group>, ComboBox<port>, EditPrefix<port>,
// Image<port>, Shape<port>), so one template binds a form's controls to the
// board's definition, and the rules, pairing and batch come from the
// framework.

#include "app/BoardForm.h"
#include "boards/Boards.h"
#include "settings/ConfigBase.h"

#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <span>

namespace gpioform {

struct FormTable {
    BoardId board;
    const char* picture; // resource shown in ImageBoard
    // The peripheral groups whose controls break the naming scheme.
    std::span<const TPeripheralControls> peripheralExceptions = {};
    // The ports whose combos show another list than the holder's.
    std::span<const TPortList> portLists = {};
    const char* hpsCheckBox = nullptr; // its tick adds the HPS reminder
};

void ShowPicture(QWidget* form, const char* label, const char* picture);

} // namespace gpioform

// Holder: the settings holder of the record (a board with a settings class
// of its own names it).
template <class Record, class Holder = TConfigBase<Record>>
class TGpioBoardForm : public TBoardFormOf<Holder> {
public:
    explicit TGpioBoardForm(QWidget* owner) : TBoardFormOf<Holder>(owner) {}

protected:
    // Binds the controls the layout made and shows the record (the form's
    // caption stays the form's own). A port without a card shows an empty
    // prefix.
    void BindControls(const gpioform::FormTable& table) {
        using namespace gpioform;
        this->SetFormColour(QColor(235, 233, 237));
        ShowPicture(this, "ImageBoard", table.picture);
        this->SetBoard(*FindBoard(table.board));
        this->SetProjectNameEdit(Get<QLineEdit>("EditProjectName"));
        this->SetButtons({Get<QPushButton>("ButtonSave"), Get<QPushButton>("ButtonLoad"),
                          Get<QPushButton>("ButtonGen"), Get<QPushButton>("ButtonExit"),
                          Get<QPushButton>("ButtonMainBoardSelect"), nullptr});
        this->BindPeripherals(table.peripheralExceptions);
        this->BindPorts(table.portLists);
        if (table.hpsCheckBox) {
            this->SetHpsCheckBox(Get<QCheckBox>(table.hpsCheckBox));
        }
        this->SetPrefixEmptyWithoutCard(true);
        this->InitForm();
    }

private:
    template <class W> W* Get(const char* name) { return FormChild<W>(this, name); }
};
