#include "boards/cyclone3/UI_Jorvath.h"

#include "app/Shape.h"
#include "boards/Boards.h"
#include "boards/UI_BoardPicture.h"
#include "platform/Assert.h"
#include "platform/qt/Pictures.h"

#include "boards/UI_BoardForms.h"
#include "boards/cyclone3/JorvathId.h"
#include "ui_UI_Jorvath.h"

#include <QColor>

#include <cstddef>
#include <map>
#include <string>

using namespace jorvath;

TFormJorvath::TFormJorvath(QWidget* owner)
    : TBoardFormOf<TConfigBase<JORVATH_CONFIG>>(owner), ui_(std::make_unique<Ui::TFormJorvath>()) {
    ui_->setupUi(this);
    setFixedSize(810, 475);
    const BoardPicture* picture = FindBoardPicture(MAINBOARD_JORVATH);
    PINSMITH_ASSERT(picture != nullptr);
    ui_->ImageQuelmar->setPixmap(platform::qt::LoadPicture(kMakerLogoPicture));
    ui_->ImageAltera->setPixmap(platform::qt::LoadPicture(picture->badge));
    const std::map<std::string, TShape*> outlines = ShowBoardPicture(ui_->ImageBoard, *picture);
    const auto outline = [&](const char* name) { return outlines.at(name); };
    // The dotted line that joins the pair's two connectors.
    shapeKirrel23_ = new TShape(ui_->ImageBoard->parentWidget(),
                                QRect(ui_->ImageBoard->pos() + QPoint(88, 104), QSize(65, 1)),
                                QColor(Qt::yellow), 1, true);
    shapeKirrel23_->setObjectName("ShapeKIRREL23");
    shapeKirrel23_->hide();
    shapeKirrel3_ = outline("ShapeKIRREL3");

    SetBoard(*FindBoard(MAINBOARD_JORVATH));
    SetProjectNameEdit(ui_->EditProjectName);
    SetButtons({ui_->ButtonSave, ui_->ButtonLoad, ui_->ButtonGen, ui_->ButtonExit,
                ui_->ButtonMainBoardSelect, nullptr});

    // The groups whose controls break the naming scheme.
    static constexpr TPeripheralControls kControls[] = {
        {"Gpio", nullptr, "ShapePio"},
        {"PciBus", nullptr, "ShapeBridge"},
    };
    BindPeripherals(kControls);

    // Both connectors show the one card list of the settings holder.
    // KIRREL23's outline while a card is chosen is KIRREL 2's
    // (UpdateBoardShapes draws the others).
    constexpr TPortControls kKirrel23[] = {{"KIRREL23", nullptr, "ShapeKIRREL2"}};
    BindPorts({}, kKirrel23);

    SetSuccessBox(false);
    SetSavesBeforeTeardown(true);
    SetPrefixEmptyWithoutCard(true);
    InitForm();
}

TFormJorvath::~TFormJorvath() = default;

void TFormJorvath::UpdateBoardShapes() {
    const bool pair = PortCard(KIRREL23) != CARD_NONE;
    shapeKirrel3_->setVisible(pair);
    shapeKirrel23_->setVisible(pair);
}

namespace {
const BoardFormRegistrar kFormRegistrar{MAINBOARD_JORVATH, MakeBoardForm<TFormJorvath>};
} // namespace
