#include "boards/cyclone5/UI_UlvaneVessor.h"

#include "app/Shape.h"
#include "boards/Boards.h"
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
    FormChild<QLabel>(form, "ImageBoard")->setPixmap(platform::qt::LoadPicture(Traits::kPicture));
    FormChild<QLabel>(form, "ImageQuelmar")->setPixmap(platform::qt::LoadPicture("QUELMAR_LOGO"));
    if (auto* badge = form->findChild<QLabel*>("ImageAltera")) {
        badge->setPixmap(platform::qt::LoadPicture("CYCLONE_V_LOGO"));
    }

    this->SetBoard(*FindBoard(Traits::kBoard));
    this->SetProjectNameEdit(FormChild<QLineEdit>(form, "EditProjectName"));
    this->SetButtons(
        {FormChild<QPushButton>(form, "ButtonSave"), FormChild<QPushButton>(form, "ButtonLoad"),
         FormChild<QPushButton>(form, "ButtonGen"), FormChild<QPushButton>(form, "ButtonExit"),
         FormChild<QPushButton>(form, "ButtonMainBoardSelect"), nullptr});

    this->BindPeripherals(Traits::kExceptions);
    this->SetHpsCheckBox(FormChild<QCheckBox>(form, "CheckBoxHPS"));

    // Both headers show the one card list of the settings holder.
    this->BindPorts();

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
