#include "boards/cyclone5/UI_Rasmer.h"

#include "app/Shape.h"
#include "platform/Ui.h"
#include "platform/qt/Pictures.h"

#include "boards/UI_BoardForms.h"
#include "boards/cyclone5/RasmerId.h"
#include "ui_UI_Rasmer.h"

#include <cstddef>

namespace {

// The seven-segment outlines follow the GPIO combo as well (UpdateBoardShapes).
// The groups whose controls break the naming scheme.
constexpr TPeripheralControls kControls[] = {
    {"Seg7", nullptr, ""},
    {"XcvrSma", nullptr, "ShapeXcvrSma ShapeXcvrSma2"},
};

} // namespace

TFormRasmer::TFormRasmer(QWidget* owner)
    : TGpioBoardForm<RASMER_CONFIG>(owner), ui_(std::make_unique<Ui::TFormRasmer>()) {
    ui_->setupUi(this);
    connect(ui_->ButtonDefaultSetting, &QPushButton::clicked, this,
            [this] { ButtonDefaultSettingClick(); });
    const TPortList lists[] = {{"HSMC", hsmcList_}};
    BindControls({.board = MAINBOARD_RASMER,
                  .picture = "RASMER_BITMAP",
                  .peripheralExceptions = kControls,
                  .portLists = lists});
}

TFormRasmer::~TFormRasmer() = default;

bool TFormRasmer::UsesFourDigits() {
    return Port(rasmer::GPIO).Combo->currentIndex() == 0;
}

void TFormRasmer::UpdateCardPictures() {
    TGpioBoardForm<RASMER_CONFIG>::UpdateCardPictures();
    ui_->ImageHex->setPixmap(platform::qt::LoadPicture(UsesFourDigits() ? "RASMER_HEX_x4_BITMAP"
                                                                        : "RASMER_HEX_x2_BITMAP"));
}

void TFormRasmer::UpdateBoardShapes() {
    const bool four = UsesFourDigits();
    ui_->CheckBoxSeg7->setText(QString("7-Segment x %1").arg(four ? 4 : 2));
    ui_->ShapeSeg7->setVisible(four && ui_->CheckBoxSeg7->isChecked());
    ui_->ShapeSeg7_x2->setVisible(!four && ui_->CheckBoxSeg7->isChecked());
}

void TFormRasmer::AfterGenerateSuccess() {
    if (PortCard(rasmer::GPIO) == CARD_NONE) {
        return;
    }
    platform::InformationBox("Please note that the 2x20 GPIO header share FPGA pins with "
                             "HEX2/HEX3.\r\n"
                             "Before you use the GPIO header, be sure to follow the procedures "
                             "listed\r\n"
                             "below to avoid any hardware damage.\r\n"
                             "1. Erase the default code.\r\n"
                             "2. Switch the S1/S2 dip switch to the OFF position.\r\n");
}

namespace {
const BoardFormRegistrar kFormRegistrar{MAINBOARD_RASMER, MakeBoardForm<TFormRasmer>};
} // namespace
