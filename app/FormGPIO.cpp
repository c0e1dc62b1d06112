#include "app/FormGPIO.h"

#include "app/FormMain.h"
#include "boards/BoardRules.h"
#include "platform/qt/Desktop.h"
#include "platform/qt/Text8.h"

#include "ui_FormGPIO.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using platform::qt::Latin1;
using platform::qt::Text8;

TFormGPIO::TFormGPIO(QWidget* owner) : QDialog(owner), ui_(std::make_unique<Ui::FormGPIO>()) {
    ui_->setupUi(this);
    setFixedSize(size());
    ui_->EditPrefixGpio0->setMaxLength(kMaxNameLength);
    ui_->EditPrefixGpio1->setMaxLength(kMaxNameLength);
    ui_->ImageGpio0->setVisible(false);
    ui_->ImageGpio1->setVisible(false);
    connect(ui_->ComboBoxGpio0, &QComboBox::activated, this,
            [this] { ComboBoxGpioChange(ui_->ComboBoxGpio0); });
    connect(ui_->ComboBoxGpio1, &QComboBox::activated, this,
            [this] { ComboBoxGpioChange(ui_->ComboBoxGpio1); });
    connect(ui_->ButtonOk, &QPushButton::clicked, this, [this] { ButtonOkClick(); });
    connect(ui_->ButtonCancel, &QPushButton::clicked, this, [this] { ButtonCancelClick(); });
}

TFormGPIO::~TFormGPIO() = default;

void TFormGPIO::SetGpio0Index(int index) {
    FGpio0Index = index;
}
void TFormGPIO::SetGpio1Index(int index) {
    FGpio1Index = index;
}
void TFormGPIO::SetGpio0Prefix(const std::string& prefix) {
    FGpio0Prefix = prefix;
}
void TFormGPIO::SetGpio1Prefix(const std::string& prefix) {
    FGpio1Prefix = prefix;
}

void TFormGPIO::SetCardList(TCardListRef list) {
    FCardList = std::move(list);
}

void TFormGPIO::UpdateCardPictures() {
    TFormMain::ShowCardPicture(ui_->ImageGpio0, CardAt(ui_->ComboBoxGpio0->currentIndex()));
    TFormMain::ShowCardPicture(ui_->ImageGpio1, CardAt(ui_->ComboBoxGpio1->currentIndex()));
}

void TFormGPIO::SyncDualHeader(QObject* sender) {
    const bool fromGpio0 = sender == ui_->ComboBoxGpio0;
    QComboBox* sourceCombo = fromGpio0 ? ui_->ComboBoxGpio0 : ui_->ComboBoxGpio1;
    QLineEdit* sourceEdit = fromGpio0 ? ui_->EditPrefixGpio0 : ui_->EditPrefixGpio1;
    QComboBox* targetCombo = fromGpio0 ? ui_->ComboBoxGpio1 : ui_->ComboBoxGpio0;
    QLineEdit* targetEdit = fromGpio0 ? ui_->EditPrefixGpio1 : ui_->EditPrefixGpio0;
    const CardId sourceCard = CardAt(sourceCombo->currentIndex());
    const CardId targetCard = CardAt(targetCombo->currentIndex());
    const PairedHeader action = PairHeaders(sourceCard, targetCard);
    if (action == PairedHeader::Follow) {
        targetCombo->setCurrentIndex(sourceCombo->currentIndex());
        targetEdit->setText(sourceEdit->text());
        targetCombo->setEnabled(false);
        targetEdit->setEnabled(false);
        return;
    }
    targetCombo->setEnabled(true);
    targetEdit->setEnabled(true);
    if (action == PairedHeader::FreeAndCleared) {
        targetCombo->setCurrentIndex(0);
        targetEdit->clear();
    }
}

void TFormGPIO::showEvent(QShowEvent* event) {
    FormShow();
    if (parentWidget()) {
        const QRect frame = parentWidget()->window()->frameGeometry();
        move(frame.x() + platform::qt::CentredOffset(frame.width(), width()),
             frame.y() + platform::qt::CentredOffset(frame.height(), height()));
    }
    QDialog::showEvent(event);
}

void TFormGPIO::FormShow() {
    ui_->ComboBoxGpio0->setCurrentIndex(FGpio0Index);
    ui_->ComboBoxGpio1->setCurrentIndex(FGpio1Index);
    ui_->EditPrefixGpio0->setText(Latin1(FGpio0Prefix));
    ui_->EditPrefixGpio1->setText(Latin1(FGpio1Prefix));
    // Start from two free headers, then pair a stored 80-pin card from the
    // header that holds it, so one side always stays changeable.
    for (QWidget* w :
         {static_cast<QWidget*>(ui_->ComboBoxGpio0), static_cast<QWidget*>(ui_->ComboBoxGpio1),
          static_cast<QWidget*>(ui_->EditPrefixGpio0),
          static_cast<QWidget*>(ui_->EditPrefixGpio1)}) {
        w->setEnabled(true);
    }
    if (IsEightyPinCard(CardAt(ui_->ComboBoxGpio0->currentIndex()))) {
        SyncDualHeader(ui_->ComboBoxGpio0);
    } else if (IsEightyPinCard(CardAt(ui_->ComboBoxGpio1->currentIndex()))) {
        SyncDualHeader(ui_->ComboBoxGpio1);
    }
    // The pictures are left as the last showing left them: they follow the
    // next card change.
}

void TFormGPIO::ComboBoxGpioChange(QComboBox* sender) {
    SyncDualHeader(sender);
    UpdateCardPictures();
}

void TFormGPIO::ButtonOkClick() {
    SetGpio0Index(ui_->ComboBoxGpio0->currentIndex());
    SetGpio1Index(ui_->ComboBoxGpio1->currentIndex());
    SetGpio0Prefix(Text8(ui_->EditPrefixGpio0->text()));
    SetGpio1Prefix(Text8(ui_->EditPrefixGpio1->text()));
    accept();
}

void TFormGPIO::ButtonCancelClick() {
    reject();
}

QComboBox* TFormGPIO::ComboBoxGpio0() const {
    return ui_->ComboBoxGpio0;
}
QComboBox* TFormGPIO::ComboBoxGpio1() const {
    return ui_->ComboBoxGpio1;
}
QLineEdit* TFormGPIO::EditPrefixGpio0() const {
    return ui_->EditPrefixGpio0;
}
QLineEdit* TFormGPIO::EditPrefixGpio1() const {
    return ui_->EditPrefixGpio1;
}
QLabel* TFormGPIO::ImageGpio0() const {
    return ui_->ImageGpio0;
}
QLabel* TFormGPIO::ImageGpio1() const {
    return ui_->ImageGpio1;
}
QPushButton* TFormGPIO::OkButton() const {
    return ui_->ButtonOk;
}
QPushButton* TFormGPIO::CancelButton() const {
    return ui_->ButtonCancel;
}
