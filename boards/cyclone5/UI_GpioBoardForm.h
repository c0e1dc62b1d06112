#pragma once
// What the forms of Sollen (21), Tavrin (22) and Wendal (25) share: their
// layouts name the controls after one scheme (CheckBox<Group>, Shape<Group>,
// ComboBoxGpio.., EditPrefixGpio.., ImageGpio.., ShapeGpio..), so one
// template binds a form's controls to the board's definition (its
// peripheral groups by name, its ports from a table), and the rules,
// pairing and batch come from the framework.

#include "app/BoardForm.h"
#include "boards/Boards.h"
#include "platform/Assert.h"
#include "settings/ConfigBase.h"

#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>

#include <cstddef>
#include <span>
#include <vector>

class TShape;

namespace gpioform {

// The controls of one card port, in the definition's port order.
struct PortControls {
    const char* combo;
    const char* prefix;
    const char* image;
    const char* shape;
};

struct FormTable {
    BoardId board;
    const char* picture; // resource shown in ImageBoard
    // The peripheral groups whose controls break the naming scheme.
    std::span<const TPeripheralControls> peripheralExceptions;
    std::span<const PortControls> ports;
    const char* hpsCheckBox = nullptr; // its tick adds the HPS reminder
};

// The child of the form with that name; an internal error when the layout
// lacks it.
QWidget* Child(QWidget* form, const char* name);
std::vector<TShape*> Shapes(QWidget* form, const char* names);
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
        for (std::size_t i = 0; i < table.ports.size(); ++i) {
            const PortControls& c = table.ports[i];
            this->BindCardPort(static_cast<int>(i),
                               {Get<QComboBox>(c.combo), Get<QLineEdit>(c.prefix),
                                Get<QLabel>(c.image), Shapes(this, c.shape).front(),
                                PortList(static_cast<int>(i))});
        }
        if (table.hpsCheckBox) {
            this->SetHpsCheckBox(Get<QCheckBox>(table.hpsCheckBox));
        }
        this->SetPrefixEmptyWithoutCard(true);
        this->InitForm();
    }

    // The card list a port's combo shows: the holder's, unless the board
    // keeps another list for that port.
    virtual TCardListRef PortList(int /*index*/) { return this->Settings; }

private:
    template <class W> W* Get(const char* name) {
        W* widget = qobject_cast<W*>(gpioform::Child(this, name));
        PINSMITH_ASSERT(widget != nullptr);
        return widget;
    }
};
