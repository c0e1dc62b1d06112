#include "boards/stratix4/UI_Kelmis.h"

#include "app/FormGPIO.h"
#include "app/FormMain.h"
#include "app/Shape.h"
#include "boards/Boards.h"
#include "boards/GenerateReminders.h"
#include "boards/UI_BoardPicture.h"
#include "boards/stratix4/KelmisBoard.h"
#include "boards/stratix4/KelmisVccio.h"
#include "model/CardCatalogue.h"
#include "platform/Assert.h"
#include "platform/Ui.h"
#include "platform/qt/Pictures.h"
#include "platform/qt/Text8.h"

#include "boards/UI_BoardForms.h"
#include "boards/stratix4/KelmisId.h"
#include "ui_UI_Kelmis.h"

#include <QColor>
#include <QPainter>
#include <QPen>
#include <QPixmap>

#include <cstddef>
#include <cstring>
#include <string>

using namespace kelmis;
using namespace kelmis::vccio;
using platform::qt::Latin1;
using platform::qt::Text8;

namespace {

// The framework's ports: the six HSMC ports, then the two GPIO headers.
constexpr int kGpioPort0 = kHsmcCount;

constexpr int kRow1V5 = 0;
constexpr int kRow1V8 = 1;
constexpr int kRow2V5 = 2;
constexpr int kRow3V0 = 3;
constexpr int kRow3V3 = 4;

// Two lines that lead from the board picture to the VCCIO drawing.
class TPaintBoxHint : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(QPen(Qt::black, 1));
        painter.drawLine(0, 0, width(), 0);
        painter.drawLine(0, 50, width(), height());
    }
};

std::string FieldText(const char (&field)[kRecordTextSize]) {
    return std::string(field, strnlen(field, kRecordTextSize));
}

} // namespace

TFormKelmis::TFormKelmis(QWidget* owner)
    : TBoardFormOf<TConfigBase<KELMIS_CONFIG>>(owner), ui_(std::make_unique<Ui::TFormKelmis>()) {
    ui_->setupUi(this);
    setFixedSize(833, 750);
    SetFormColour(QColor(235, 233, 237)); // 0xEDE9EB
    const BoardPicture* picture = FindBoardPicture(MAINBOARD_KELMIS);
    PINSMITH_ASSERT(picture != nullptr);
    ui_->ImageQuelmar->setPixmap(platform::qt::LoadPicture(kMakerLogoPicture));
    ui_->ImageAltera->setPixmap(platform::qt::LoadPicture(picture->badge));
    ShowBoardPicture(ui_->ImageBoard, *picture);
    auto* hint = new TPaintBoxHint(ui_->PanelBoard);
    hint->setObjectName("PaintBoxHint");
    hint->setGeometry(257, 20, 24, 108);

    SetBoard(*FindBoard(MAINBOARD_KELMIS));
    SetProjectNameEdit(ui_->EditProjectName);
    SetButtons({ui_->ButtonSave, ui_->ButtonLoad, ui_->ButtonGen, ui_->ButtonExit,
                ui_->ButtonMainBoardSelect, ui_->ButtonDefaultSetting});

    // The groups whose controls break the naming scheme.
    static constexpr TPeripheralControls kControls[] = {
        {"PCIe0", nullptr, "ShapePCIe_0"},
        {"PCIe1", nullptr, "ShapePCIe_1"},
        {"ExtPLL", nullptr, "ShapeExtPll_0 ShapeExtPll_1 ShapeExtPll_2"},
    };
    BindPeripherals(kControls);

    // The GPIO headers are the dialog's combos and edits; they hold the
    // dialog's stored choice except while it is shown, and the dialog shows
    // their pictures.
    gpio_ = new TFormGPIO(this);
    gpio_->SetCardList(GpioList);
    const TPortList lists[] = {
        {"HSMC-A", HsmcLists[HSMC_A]}, {"HSMC-B", HsmcLists[HSMC_B]}, {"HSMC-C", HsmcLists[HSMC_C]},
        {"HSMC-D", HsmcLists[HSMC_D]}, {"HSMC-E", HsmcLists[HSMC_E]}, {"HSMC-F", HsmcLists[HSMC_F]},
        {"GPIO-0", GpioList},          {"GPIO-1", GpioList},
    };
    constexpr TPortControls kDialogHeaders[] = {{"GPIO-0", ""}, {"GPIO-1", ""}};
    BindPorts(lists, kDialogHeaders);

    ui_->ComboBoxBoard->addItems({"Kelmis_230", "Kelmis_530"});
    ui_->ComboBoxHsmcGpio->addItems({"HSMC", "GPIO"});
    pll_ = std::make_unique<TPllCombos>(std::array<QComboBox*, kExtPllCount>{
        ui_->ComboBoxPLL_HSMA, ui_->ComboBoxPLL_HSME, ui_->ComboBoxPLL_GXB});
    // The GPIO label takes the place of the HSMC-C combo, twice as high.
    const QRect comboC = ui_->ComboBoxHSMC_C->geometry();
    ui_->LabelGPIO->setGeometry(comboC.x(), comboC.y(), ui_->LabelGPIO->width(),
                                2 * comboC.height());

    // A new variant: the controls into the held record, then the record
    // shown again.
    connect(ui_->ComboBoxBoard, &QComboBox::activated, this, [this](int) {
        ReadControlsInto(RecordBytes());
        ShowRecord();
    });
    connect(ui_->ComboBoxHsmcGpio, &QComboBox::activated, this,
            [this](int) { ComboBoxHsmcGpioChange(); });
    connect(ui_->ButtonGpio, &QPushButton::clicked, this, [this] { ButtonGpioClick(); });

    SetPrefixEmptyWithoutCard(true);
    SetFailedLoadBox(true);
    InitForm();
}

TFormKelmis::~TFormKelmis() = default;

bool TFormKelmis::IsHsmcCGpioMode() const {
    return ui_->ComboBoxHsmcGpio->currentIndex() == 1;
}

int TFormKelmis::VccioRow(int port) {
    if (port == HSMC_C && IsHsmcCGpioMode()) {
        const TCardListRef list(GpioList);
        const bool card =
            list.At(gpio_->Gpio0Index()) != CARD_NONE || list.At(gpio_->Gpio1Index()) != CARD_NONE;
        return card ? kRow3V0 : kRow2V5;
    }
    const CardId card = PortCard(port);
    if (card == CARD_NONE) {
        return kRow2V5;
    }
    switch (BoardVoltageIoStandard(card)) {
    case IOSTD_1V5:
        return kRow1V5;
    case IOSTD_1V8:
        return kRow1V8;
    case IOSTD_3V0_PCIX:
        return kRow3V0;
    case IOSTD_3V3_LVTTL:
        return kRow3V3;
    default:
        return kRow2V5;
    }
}

void TFormKelmis::ConfigToBoardControls(const KELMIS_CONFIG& record) {
    ui_->ComboBoxBoard->setCurrentIndex(record.nBoardTypeIndex);
    ui_->ComboBoxHsmcGpio->setCurrentIndex(record.bHsmcGpio != 0 ? 1 : 0);
    pll_->Show(record.nPllIndex, record.bExtPLL != 0);
}

void TFormKelmis::BoardControlsToConfig(KELMIS_CONFIG& record) {
    record.nBoardTypeIndex = static_cast<std::uint8_t>(ui_->ComboBoxBoard->currentIndex());
    record.bHsmcGpio = IsHsmcCGpioMode() ? 1 : 0;
    pll_->Read(record.nPllIndex, ui_->CheckBoxExtPLL->isChecked());
}

void TFormKelmis::AfterShowRecord() {
    // The headers' cards as the record gave them, and their prefixes also
    // without a card, become the dialog's stored choice.
    gpio_->SetGpio0Index(gpio_->ComboBoxGpio0()->currentIndex());
    gpio_->SetGpio1Index(gpio_->ComboBoxGpio1()->currentIndex());
    gpio_->SetGpio0Prefix(FieldText(Settings.Config.szGpioPrefixName[GPIO_0]));
    gpio_->SetGpio1Prefix(FieldText(Settings.Config.szGpioPrefixName[GPIO_1]));
    ShowGpioChoice();
    UpdateGpioLabel();
    PaintVccioPicture();
}

void TFormKelmis::ShowGpioChoice() {
    gpio_->ComboBoxGpio0()->setCurrentIndex(gpio_->Gpio0Index());
    gpio_->ComboBoxGpio1()->setCurrentIndex(gpio_->Gpio1Index());
    gpio_->EditPrefixGpio0()->setText(Latin1(gpio_->Gpio0Prefix()));
    gpio_->EditPrefixGpio1()->setText(Latin1(gpio_->Gpio1Prefix()));
}

void TFormKelmis::CheckBoxClick() {
    TBoardForm::CheckBoxClick();
    pll_->Follow(Settings.Config.nPllIndex, ui_->CheckBoxExtPLL->isChecked());
}

void TFormKelmis::CardComboChange(int port) {
    if (port >= kGpioPort0) {
        return; // a pick in the dialog counts from its OK on
    }
    TBoardForm::CardComboChange(port);
    PaintVccioPicture();
}

void TFormKelmis::ComboBoxHsmcGpioChange() {
    UpdateCardPictures();
    UpdateShapes();
    UpdateGpioLabel();
    PaintVccioPicture();
}

void TFormKelmis::ButtonGpioClick() {
    if (gpio_->exec() == QDialog::Accepted) {
        UpdateCardPictures();
        UpdateShapes();
        UpdateGpioLabel();
        PaintVccioPicture();
    } else {
        ShowGpioChoice();
    }
}

void TFormKelmis::UpdateBoardShapes() {
    const bool gpio = IsHsmcCGpioMode();
    const auto shape = [this](const char* name) { return findChild<TShape*>(name); };
    if (TShape* c = shape("ShapeHSMC_C")) {
        c->setVisible(!gpio && PortCard(HSMC_C) != CARD_NONE);
    }
    for (int h = 0; h < kGpioCount; ++h) {
        if (TShape* s = shape(h == 0 ? "ShapeGpio0" : "ShapeGpio1")) {
            s->setVisible(gpio && Port(kGpioPort0 + h).Combo->currentIndex() != 0);
        }
    }
}

void TFormKelmis::UpdateCardPictures() {
    TBoardForm::UpdateCardPictures();
    if (IsHsmcCGpioMode()) {
        ui_->ImageHSMC_C->setVisible(false);
    }
}

void TFormKelmis::UpdateGpioLabel() {
    const bool gpio = IsHsmcCGpioMode();
    if (gpio) {
        ui_->ImageHSMC_C->setVisible(false);
    } else {
        TFormMain::ShowCardPicture(ui_->ImageHSMC_C, PortCard(HSMC_C));
    }
    ui_->ComboBoxHSMC_C->setVisible(!gpio);
    ui_->EditPrefixHSMC_C->setVisible(!gpio);
    ui_->LabelHSMCPrefix->setVisible(!gpio);
    ui_->LabelGPIO->setVisible(gpio);
    ui_->ButtonGpio->setVisible(gpio);
    if (gpio) {
        const TCardListRef list(GpioList);
        const std::string text =
            "GPIO 0:" + std::string(BoardName(list.At(gpio_->Gpio0Index()))) +
            "\r\nGPIO 1:" + std::string(BoardName(list.At(gpio_->Gpio1Index())));
        ui_->LabelGPIO->setText(Latin1(text));
    }
}

void TFormKelmis::PaintVccioPicture() {
    QImage picture = platform::qt::LoadPictureImage("KELMIS_VOL");
    PINSMITH_ASSERT(!picture.isNull());
    picture = picture.convertToFormat(QImage::Format_ARGB32);
    const QImage led = platform::qt::LoadPictureImage("KELMIS_VOL_LED_ON");
    const QImage jumper = platform::qt::LoadPictureImage("KELMIS_VOL_JUMPER");
    QPainter painter(&picture);
    for (int i = 0; i < kHsmcCount; ++i) {
        const int row = VccioRow(i);
        const std::size_t n = static_cast<std::size_t>(i);
        painter.drawImage(kJumper[n].x, kJumper[n].y + kRowPitch * row, jumper);
        if (row == kRow1V8 || row == kRow3V0) {
            painter.drawImage(kLed1X[n], kLedY, led);
        }
        if (row == kRow3V0 || row == kRow2V5) {
            painter.drawImage(kLed2X[n], kLedY, led);
        }
    }
    painter.end();
    vccio_ = picture;
    ui_->ImageVol->setPixmap(QPixmap::fromImage(vccio_));
}

// The reminders of a successful generation, in one box before the success
// box.
void TFormKelmis::BeforeSuccessBox() {
    std::string note;
    if (ui_->CheckBoxDDR3->isChecked()) {
        note += reminders::MemoryController("DDR3");
    }
    const bool pcie0 = ui_->CheckBoxPCIe0->isChecked();
    const bool pcie1 = ui_->CheckBoxPCIe1->isChecked();
    if (pcie0 || pcie1) {
        const char* interfaces = pcie0 && pcie1 ? "PCIe0//PCIe1" : pcie0 ? "PCIe0" : "PCIe1";
        note += reminders::TransceiverSignals(interfaces, "PCI Express") + "\r\n";
    }
    if (IsTransceiverBoard(PortCard(HSMC_A)) || IsTransceiverBoard(PortCard(HSMC_E))) {
        note += reminders::TransceiverSignals("HSMC", "Transceiver") + "\r\n";
    }
    if (!note.empty()) {
        platform::InformationBox(note);
    }
}

namespace {
const BoardFormRegistrar kFormRegistrar{MAINBOARD_KELMIS, MakeBoardForm<TFormKelmis>};
} // namespace
