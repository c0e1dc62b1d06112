#include "boards/cyclone3/UI_Alvek.h"

#include "app/Shape.h"
#include "boards/Boards.h"
#include "boards/UI_BoardPicture.h"
#include "boards/cyclone2/BressaConfig.h"
#include "boards/cyclone2/CorvinConfig.h"
#include "boards/cyclone2/DunmarConfig.h"
#include "platform/Assert.h"
#include "platform/qt/Pictures.h"

#include "boards/UI_BoardForms.h"
#include "boards/cyclone3/AlvekId.h"
#include "ui_UI_Alvek.h"

#include <QCheckBox>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// Left column: logos, title, the board's picture, the four buttons. Right:
// the group box with the project name, the check boxes and the two header
// blocks, the rows as close as the height asks.
struct Laid {
    std::map<std::string, TShape*> outlines;
};

Laid LayOut(QWidget& form, Ui::THeaderBoardForm& ui, const THeaderBoardDesign& design) {
    const int w = design.width;
    const int h = design.height;
    form.setFixedSize(w, h);

    ui.ImageAltera->setGeometry(8, 6, 120, 40);
    ui.ImageQuelmar->setGeometry(136, 6, 150, 40);
    ui.ButtonMainBoardSelect->setGeometry(296, 12, 129, 28);
    ui.LabelBoardName->setGeometry(8, 52, 417, 24);
    ui.LabelBoardName->setText(design.title);

    const BoardPicture* picture = FindBoardPicture(design.board);
    PINSMITH_ASSERT(picture != nullptr);
    ui.ImageBoard->move(8 + (417 - picture->width) / 2, 80);
    Laid laid;
    laid.outlines = ShowBoardPicture(ui.ImageBoard, *picture);

    ui.ButtonLoad->setGeometry(16, h - 96, 190, 35);
    ui.ButtonGen->setGeometry(224, h - 96, 190, 35);
    ui.ButtonSave->setGeometry(16, h - 52, 190, 35);
    ui.ButtonExit->setGeometry(224, h - 52, 190, 35);

    const int boxHeight = h - 12;
    ui.GroupBox1->setGeometry(432, 1, w - 440, boxHeight);
    ui.LabelProjectName->setGeometry(16, 32, 120, 20);
    ui.EditProjectName->setGeometry(16, 56, 326, 24);
    const int rows = static_cast<int>((design.boxes.size() + 1) / 2);
    // Rows from 96; under them two header blocks of 104 and 88 pixels.
    const int step = std::min(24, (boxHeight - 96 - 8 - 104 - 88) / std::max(1, rows));
    QWidget* order = ui.EditProjectName;
    for (std::size_t i = 0; i < design.boxes.size(); ++i) {
        const THeaderBoardBox& row = design.boxes[i];
        auto* box = new QCheckBox(row.caption, ui.GroupBox1);
        box->setObjectName(QStringLiteral("CheckBox") + QString::fromLatin1(row.group));
        box->setCursor(Qt::PointingHandCursor);
        box->setGeometry(i % 2 == 0 ? 16 : 184, 96 + static_cast<int>(i / 2) * step, 160, 22);
        QWidget::setTabOrder(order, box);
        order = box;
    }
    const int y0 = 96 + rows * step + 8;
    QLabel* labels[2] = {ui.LabelGpio0, ui.LabelGpio1};
    QComboBox* combos[2] = {ui.ComboBoxGpio0, ui.ComboBoxGpio1};
    QLabel* prefixLabels[2] = {ui.LabelPrefixGpio0, ui.LabelPrefixGpio1};
    QLineEdit* prefixes[2] = {ui.EditPrefixGpio0, ui.EditPrefixGpio1};
    QLabel* images[2] = {ui.ImageGpio0, ui.ImageGpio1};
    for (int header = 0; header < 2; ++header) {
        const int y = y0 + 104 * header;
        labels[header]->setGeometry(16, y, 240, 20);
        combos[header]->setGeometry(16, y + 24, 240, 24);
        prefixLabels[header]->setGeometry(16, y + 58, 100, 20);
        prefixes[header]->setGeometry(120, y + 56, 136, 24);
        images[header]->setGeometry(262, y + 8, 80, 80);
        QWidget::setTabOrder(order, combos[header]);
        QWidget::setTabOrder(combos[header], prefixes[header]);
        order = prefixes[header];
    }

    ui.ImageQuelmar->setPixmap(platform::qt::LoadPicture(kMakerLogoPicture));
    ui.ImageAltera->setPixmap(platform::qt::LoadPicture(picture->badge));
    return laid;
}

} // namespace

template <class Record>
THeaderBoardForm<Record>::THeaderBoardForm(QWidget* owner, const THeaderBoardDesign& design)
    : TBoardFormOf<TConfigBase<Record>>(owner), ui_(std::make_unique<Ui::THeaderBoardForm>()) {
    ui_->setupUi(this);
    const Laid laid = LayOut(*this, *ui_, design);

    this->SetBoard(*FindBoard(design.board));
    this->SetProjectNameEdit(ui_->EditProjectName);
    this->SetButtons({ui_->ButtonSave, ui_->ButtonLoad, ui_->ButtonGen, ui_->ButtonExit,
                      ui_->ButtonMainBoardSelect, nullptr});
    std::vector<TPeripheralControls> exceptions;
    for (const THeaderBoardBox& row : design.boxes) {
        if (row.outlines) {
            exceptions.push_back({row.group, nullptr, row.outlines});
        }
    }
    this->BindPeripherals(exceptions);
    // Both headers show the one card list of the settings holder.
    this->BindPorts();

    this->SetSuccessBox(false);
    this->SetSavesBeforeTeardown(true);
    this->SetPrefixEmptyWithoutCard(true);
    this->InitForm();
}

template <class Record> THeaderBoardForm<Record>::~THeaderBoardForm() = default;

template class THeaderBoardForm<ALVEK_CONFIG>;
template class THeaderBoardForm<BRESSA_CONFIG>;
template class THeaderBoardForm<CORVIN_CONFIG>;
template class THeaderBoardForm<DUNMAR_CONFIG>;

namespace {
// clang-format off
constexpr THeaderBoardBox kAlvekBoxes[] = {
    {"OSC", "CLOCK"},
    {"RS232", "RS232"},
    {"LED", "LED x 8"},
    {"Seg7", "7-Segment x 4"},
    {"Button", "Button x 3"},
    {"Switch", "Switch x 8"},
    {"PS2", "PS2"},
    {"SDCARD", "SDCARD"},
    {"VGA", "VGA"},
    {"LCD", "LCD (Option)"},
    {"SDRAM", "SDRAM, 8MB"},
    {"Flash", "FLASH, 4MB"},
};
// clang-format on
constexpr THeaderBoardDesign kAlvekDesign{MAINBOARD_ALVEK, "Alvek FPGA Board", 793, 469,
                                          kAlvekBoxes};
} // namespace

TFormAlvek::TFormAlvek(QWidget* owner) : THeaderBoardForm<ALVEK_CONFIG>(owner, kAlvekDesign) {}

namespace {
const BoardFormRegistrar kFormRegistrar{MAINBOARD_ALVEK, MakeBoardForm<TFormAlvek>};
} // namespace
