#include "boards/cyclone5/UI_UlvaneVessor.h"

#include "app/Shape.h"
#include "boards/Boards.h"
#include "platform/Assert.h"
#include "platform/qt/Pictures.h"

#include "boards/UI_BoardForms.h"
#include "boards/cyclone5/UlvaneId.h"
#include "boards/cyclone5/VessorId.h"
#include "ui_UI_Ulvane.h"
#include "ui_UI_Vessor.h"

#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cstddef>
#include <string>
#include <vector>

namespace {

template <class Record> struct FormTraits;

template <> struct FormTraits<ULVANE_CONFIG> {
    using Layout = Ui::TFormUlvane;
    static constexpr BoardId kBoard = MAINBOARD_ULVANE;
    static constexpr const char* kPicture = "ULVANE_BITMAP";
    // The groups whose controls break the naming scheme.
    static constexpr TPeripheralControls kExceptions[] = {
        {"Arduino", nullptr, "ShapeArduino_0 ShapeArduino_1"},
    };
};

template <> struct FormTraits<VESSOR_CONFIG> {
    using Layout = Ui::TFormVessor;
    static constexpr BoardId kBoard = MAINBOARD_VESSOR;
    static constexpr const char* kPicture = "VESSOR_BITMAP";
    // The groups whose controls break the naming scheme.
    static constexpr TPeripheralControls kExceptions[] = {
        {"Arduino", nullptr, "ShapeArduino_0 ShapeArduino_1 ShapeArduino_2"},
        {"HdmiTx", nullptr, "ShapeHDMI"},
    };
};

// A control of the layout; every name the form binds must exist in it.
template <class W> W* Control(QWidget* form, const char* name) {
    W* widget = form->findChild<W*>(name);
    if (!widget) {
        const std::string message = std::string("layout control ") + name;
        PINSMITH_FAIL(message.c_str());
    }
    return widget;
}

} // namespace

template <class Record>
TFormUlvaneVessor<Record>::TFormUlvaneVessor(QWidget* owner)
    : TBoardFormOf<TConfigBase<Record>>(owner) {
    using Traits = FormTraits<Record>;
    // The layout's controls belong to the form; the generated class only
    // holds pointers to them.
    typename Traits::Layout layout;
    layout.setupUi(this);
    QWidget* form = this;
    this->SetFormColour(QColor(235, 233, 237));
    Control<QLabel>(form, "ImageBoard")->setPixmap(platform::qt::LoadPicture(Traits::kPicture));
    Control<QLabel>(form, "ImageQuelmar")->setPixmap(platform::qt::LoadPicture("QUELMAR_LOGO"));
    if (auto* badge = form->findChild<QLabel*>("ImageAltera")) {
        badge->setPixmap(platform::qt::LoadPicture("CYCLONE_V_LOGO"));
    }

    this->SetBoard(*FindBoard(Traits::kBoard));
    this->SetProjectNameEdit(Control<QLineEdit>(form, "EditProjectName"));
    this->SetButtons(
        {Control<QPushButton>(form, "ButtonSave"), Control<QPushButton>(form, "ButtonLoad"),
         Control<QPushButton>(form, "ButtonGen"), Control<QPushButton>(form, "ButtonExit"),
         Control<QPushButton>(form, "ButtonMainBoardSelect"), nullptr});

    this->BindPeripherals(Traits::kExceptions);
    this->SetHpsCheckBox(Control<QCheckBox>(form, "CheckBoxHPS"));

    // Both headers show the one card list of the settings holder.
    const char* const combos[] = {"ComboBoxGpio0", "ComboBoxGpio1"};
    const char* const prefixes[] = {"EditPrefixGpio0", "EditPrefixGpio1"};
    const char* const images[] = {"ImageGpio0", "ImageGpio1"};
    const char* const outlines[] = {"ShapeGpio0", "ShapeGpio1"};
    for (int header = 0; header < 2; ++header) {
        this->BindCardPort(header, {Control<QComboBox>(form, combos[header]),
                                    Control<QLineEdit>(form, prefixes[header]),
                                    Control<QLabel>(form, images[header]),
                                    Control<TShape>(form, outlines[header]), this->Settings});
    }

    this->SetPrefixEmptyWithoutCard(true);
    this->InitForm();
}

template <class Record> TFormUlvaneVessor<Record>::~TFormUlvaneVessor() = default;

template class TFormUlvaneVessor<ULVANE_CONFIG>;
template class TFormUlvaneVessor<VESSOR_CONFIG>;

namespace {
const BoardFormRegistrar kUlvaneForm{MAINBOARD_ULVANE, MakeBoardForm<TFormUlvane>};
const BoardFormRegistrar kVessorForm{MAINBOARD_VESSOR, MakeBoardForm<TFormVessor>};
} // namespace
