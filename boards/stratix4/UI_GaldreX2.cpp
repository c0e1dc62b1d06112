#include "boards/stratix4/UI_GaldreX2.h"

#include "app/Shape.h"
#include "boards/Boards.h"
#include "boards/UI_BoardPicture.h"
#include "boards/stratix4/GaldreX2Board.h"
#include "platform/Assert.h"
#include "platform/qt/Pictures.h"

#include "boards/UI_BoardForms.h"
#include "boards/stratix4/GaldreX2Id.h"
#include "ui_UI_GaldreX2.h"

#include <QColor>
#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QPalette>

#include <cstddef>
#include <cstring>

using namespace galdre_x2;

TFormGaldre_X2::TFormGaldre_X2(QWidget* owner)
    : TBoardFormOf<TConfigBase<GALDRE_X2_CONFIG>>(owner),
      ui_(std::make_unique<Ui::TFormGaldre_X2>()), view_(sizeof(GALDRE_X2_CONFIG), 0) {
    ui_->setupUi(this);
    setFixedSize(789, 723);
    // The board's side: a silver panel under a white title.
    QPalette panel = ui_->PanelBoard->palette();
    panel.setColor(QPalette::Window, QColor(192, 192, 192));
    ui_->PanelBoard->setPalette(panel);
    ui_->PanelBoard->setAutoFillBackground(true);
    QPalette title = ui_->LabelBoardName->palette();
    title.setColor(QPalette::WindowText, Qt::white);
    ui_->LabelBoardName->setPalette(title);
    QFont titleFont = ui_->LabelBoardName->font();
    titleFont.setBold(true);
    titleFont.setPixelSize(23);
    ui_->LabelBoardName->setFont(titleFont);
    ui_->ImageQuelmar->setPixmap(platform::qt::LoadPicture(kMakerLogoPicture));
    const BoardPicture* picture = FindBoardPicture(MAINBOARD_GALDRE_X2);
    PINSMITH_ASSERT(picture != nullptr);
    ui_->ImageStratix->setPixmap(platform::qt::LoadPicture(picture->badge));
    ShowBoardPicture(ui_->ImageBoard, *picture);
    ui_->ComboBoxBoard->addItem("Galdre 230x2");
    ui_->ComboBoxFPGA->addItem("FPAG 1");
    ui_->ComboBoxFPGA->addItem("FPAG 2");

    SetBoard(*FindBoard(MAINBOARD_GALDRE_X2));
    SetProjectNameEdit(ui_->EditProjectName);
    SetButtons({ui_->ButtonSave, ui_->ButtonLoad, ui_->ButtonGen, ui_->ButtonExit,
                ui_->ButtonMainBoardSelect, nullptr});

    BindPeripherals();
    BindPorts();

    SetSuccessBox(false);
    SetSavesBeforeTeardown(true);
    SetPrefixEmptyWithoutCard(true);
    SetFailedLoadBox(true);
    InitForm();
    SyncHolder();
    connect(ui_->ComboBoxFPGA, &QComboBox::currentIndexChanged, this,
            [this](int index) { ShowNode(index); });
}

TFormGaldre_X2::~TFormGaldre_X2() = default;

std::vector<std::uint8_t> TFormGaldre_X2::HeldRecord() const {
    return NodeView(view_, currentNode_);
}

void TFormGaldre_X2::ViewHolderRecord() {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&Settings.Config);
    view_ = NodeView({bytes, sizeof(GALDRE_X2_CONFIG)}, currentNode_);
}

void TFormGaldre_X2::SyncHolder() {
    const std::vector<std::uint8_t> held = HeldRecord();
    std::memcpy(&Settings.Config, held.data(), held.size());
}

void TFormGaldre_X2::ShowNode(int node) {
    if (node < 0 || node >= kNodeCount || node == currentNode_) {
        return;
    }
    ReadControlsInto(view_);
    SyncHolder();
    currentNode_ = node;
    ViewHolderRecord();
    ShowRecord();
}

void TFormGaldre_X2::BoardControlsToConfig(GALDRE_X2_CONFIG& record) {
    record.nBoardTypeIndex = 0; // the board-type combo holds one entry
}

bool TFormGaldre_X2::HolderLoadDefault() {
    if (!Settings.LoadDefault()) {
        return false;
    }
    ViewHolderRecord();
    return true;
}

bool TFormGaldre_X2::HolderSaveDefault() {
    SyncHolder();
    return Settings.SaveDefault();
}

bool TFormGaldre_X2::HolderSaveWithDialog(platform::FileDialog& dialog) {
    SyncHolder();
    return Settings.SaveWithDialog(dialog);
}

bool TFormGaldre_X2::HolderLoadWithDialog(platform::FileDialog& dialog) {
    if (!Settings.LoadWithDialog(dialog)) {
        return false;
    }
    ViewHolderRecord();
    return true;
}

namespace {
const BoardFormRegistrar kFormRegistrar{MAINBOARD_GALDRE_X2, MakeBoardForm<TFormGaldre_X2>};
} // namespace
