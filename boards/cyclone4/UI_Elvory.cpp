#include "boards/cyclone4/UI_Elvory.h"

#include "app/Shape.h"
#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/UI_BoardPicture.h"
#include "boards/cyclone5/HsmcVoltage.h"
#include "platform/Assert.h"
#include "platform/Ui.h"
#include "platform/qt/Pictures.h"

#include "boards/UI_BoardForms.h"
#include "boards/cyclone4/ElvoryId.h"
#include "ui_UI_Elvory.h"

#include <QColor>
#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QSignalBlocker>

#include <algorithm>
#include <cstddef>
#include <map>
#include <string>

using namespace elvory;

namespace {

constexpr const char* kGpioVoltageItems[hsmcvoltage::kCount] = {"3.3 V (Default)", "2.5 V", "1.8 V",
                                                                "1.5 V"};
const QColor kGreen(0, 200, 0);
// The voltages in the outlines' names (ShapeGpio3V3 .. ShapeHsmc1V5).
constexpr const char* kVoltageWords[hsmcvoltage::kCount] = {"3V3", "2V5", "1V8", "1V5"};

// The jumper picture: JP6 (GPIO) above JP7 (HSMC), four shunt positions
// each, 3.3 V to 1.5 V from left to right.
constexpr int kJumperLeft = 16, kJumperTop = 272, kJumperWidth = 360, kJumperHeight = 140;
constexpr int kShuntLeft = 80, kShuntStep = 68, kShuntWidth = 52, kShuntHeight = 36;
constexpr int kJp6Top = 30, kJp7Top = 90;

} // namespace

TFormElvory::TFormElvory(QWidget* owner)
    : TBoardFormOf<TConfigBase<ELVORY_CONFIG>>(owner), ui_(std::make_unique<Ui::TFormElvory>()) {
    ui_->setupUi(this);
    setFixedSize(788, 613);
    SetFormColour(QColor(235, 233, 237)); // 0xEDE9EB
    ui_->ImageQuelmar->setPixmap(platform::qt::LoadPicture(kMakerLogoPicture));
    const BoardPicture* picture = FindBoardPicture(MAINBOARD_ELVORY);
    PINSMITH_ASSERT(picture != nullptr);
    ui_->ImageAltera->setPixmap(platform::qt::LoadPicture(picture->badge));
    const std::map<std::string, TShape*> outlines = ShowBoardPicture(ui_->ImageBoard, *picture);
    MakeJumperPicture();

    for (const char* item : hsmcvoltage::kItems) {
        ui_->ComboBoxHsmcVol->addItem(QString::fromLatin1(item));
    }
    for (const char* item : kGpioVoltageItems) {
        ui_->ComboBoxGpioVol->addItem(QString::fromLatin1(item));
    }
    ui_->ComboBoxHsmcVol->setCurrentIndex(kDefaultHsmcVoltageIndex);
    ui_->ComboBoxGpioVol->setCurrentIndex(0);
    // Index changes only: picking the voltage shown again changes nothing.
    connect(ui_->ComboBoxGpioVol, &QComboBox::currentIndexChanged, this,
            [this] { GpioVoltageChange(); });
    connect(ui_->ComboBoxHsmcVol, &QComboBox::currentIndexChanged, this,
            [this] { HsmcVoltageChange(); });

    SetBoard(*FindBoard(MAINBOARD_ELVORY));
    SetProjectNameEdit(ui_->EditProjectName);
    SetButtons({ui_->ButtonSave, ui_->ButtonLoad, ui_->ButtonGen, ui_->ButtonExit,
                ui_->ButtonMainBoardSelect, nullptr});

    // The groups whose controls break the naming scheme.
    static constexpr TPeripheralControls kControls[] = {
        {"LED", nullptr, "ShapeLED ShapeLEDG8"},
    };
    BindPeripherals(kControls);

    const TPortList lists[] = {{"GPIO", GpioCardList}};
    BindPorts(lists);

    // The HSMC list follows the record's voltage.
    SetListsDependOnRecord(true);
    SetPrefixEmptyWithoutCard(true);
    InitForm();
}

TFormElvory::~TFormElvory() = default;

void TFormElvory::MakeJumperPicture() {
    QWidget* panel = ui_->ImageBoard->parentWidget();
    auto* image = new QLabel(panel);
    image->setObjectName("Image1");
    image->setGeometry(kJumperLeft, kJumperTop, kJumperWidth, kJumperHeight);
    QPixmap pixmap(kJumperWidth, kJumperHeight);
    pixmap.fill(QColor(20, 90, 60));
    {
        QPainter painter(&pixmap);
        painter.setPen(Qt::white);
        const char* const volts[] = {"3.3V", "2.5V", "1.8V", "1.5V"};
        for (int i = 0; i < 4; ++i) {
            painter.drawText(QRect(kShuntLeft + i * kShuntStep, 4, kShuntWidth, 20),
                             Qt::AlignCenter, volts[i]);
        }
        for (const auto& [top, name] : {std::pair{kJp6Top, "JP6 GPIO"}, {kJp7Top, "JP7 HSMC"}}) {
            painter.setPen(Qt::white);
            painter.drawText(QRect(4, top, kShuntLeft - 8, kShuntHeight), Qt::AlignVCenter, name);
            for (int i = 0; i < 4; ++i) {
                const int x = kShuntLeft + i * kShuntStep;
                painter.fillRect(QRect(x + 6, top + 6, kShuntWidth - 12, kShuntHeight - 12),
                                 QColor(30, 30, 30));
                painter.setBrush(QColor(220, 200, 60));
                painter.drawEllipse(QRect(x + 12, top + 12, 10, 10));
                painter.drawEllipse(QRect(x + 30, top + 12, 10, 10));
                painter.setBrush(Qt::NoBrush);
            }
        }
    }
    image->setPixmap(pixmap);
    for (int i = 0; i < 4; ++i) {
        const int x = kJumperLeft + kShuntLeft + i * kShuntStep;
        gpioVoltageShapes_[static_cast<std::size_t>(i)] =
            new TShape(panel, QRect(x, kJumperTop + kJp6Top, kShuntWidth, kShuntHeight), kGreen, 3);
        hsmcVoltageShapes_[static_cast<std::size_t>(i)] =
            new TShape(panel, QRect(x, kJumperTop + kJp7Top, kShuntWidth, kShuntHeight), kGreen, 3);
        gpioVoltageShapes_[static_cast<std::size_t>(i)]->setObjectName(
            QString("ShapeGpio%1").arg(kVoltageWords[i]));
        hsmcVoltageShapes_[static_cast<std::size_t>(i)]->setObjectName(
            QString("ShapeHsmc%1").arg(kVoltageWords[i]));
    }
    // The jumpers' place on the board, and two lines from it to their
    // picture.
    const BoardPicture* picture = FindBoardPicture(MAINBOARD_ELVORY);
    const PicturePart* jumpers = nullptr;
    for (const PicturePart& part : picture->parts) {
        if (std::string(part.label) == "JP6 JP7") {
            jumpers = &part;
        }
    }
    PINSMITH_ASSERT(jumpers != nullptr);
    const QRect place(ui_->ImageBoard->x() + jumpers->x, ui_->ImageBoard->y() + jumpers->y,
                      jumpers->width, jumpers->height);
    (new TShape(panel, place, kGreen, 2))->setObjectName("ShapeVol");
    (new TShape(panel, QRect(place.left(), place.bottom(), 2, kJumperTop - place.bottom()), kGreen,
                2))
        ->setObjectName("Shape1");
    (new TShape(panel, QRect(place.right() - 1, place.bottom(), 2, kJumperTop - place.bottom()),
                kGreen, 2))
        ->setObjectName("Shape2");
}

void TFormElvory::ConfigToBoardControls(const ELVORY_CONFIG& record) {
    const QSignalBlocker gpioBlocker(ui_->ComboBoxGpioVol);
    const QSignalBlocker hsmcBlocker(ui_->ComboBoxHsmcVol);
    ui_->ComboBoxGpioVol->setCurrentIndex(record.nGpioVoltageIndex);
    ui_->ComboBoxHsmcVol->setCurrentIndex(record.nHsmcVoltageIndex);
    shownHsmcVoltage_ = record.nHsmcVoltageIndex;
    // The card the record holds is the one to return to at 3.3 V.
    const int index = Port(GPIO).List.IndexOf(MakeCardId(record.nGpioDaughterId));
    if (index >= 0) {
        rememberedGpioIndex_ = index;
    }
    ApplyGpioVoltage();
}

void TFormElvory::BoardControlsToConfig(ELVORY_CONFIG& record) {
    record.nGpioVoltageIndex = ui_->ComboBoxGpioVol->currentIndex();
    record.nHsmcVoltageIndex = ui_->ComboBoxHsmcVol->currentIndex();
    if (record.nGpioVoltageIndex != kDefaultGpioVoltage) {
        record.nGpioDaughterId = 0;
    }
}

void TFormElvory::ApplyGpioVoltage() {
    const bool ownCard = ui_->ComboBoxGpioVol->currentIndex() == kDefaultGpioVoltage;
    ui_->ComboBoxGpio->setEnabled(ownCard);
    ui_->ComboBoxGpio->setCurrentIndex(ownCard ? rememberedGpioIndex_ : 0);
}

void TFormElvory::GpioVoltageChange() {
    ApplyGpioVoltage();
    UpdateShapes();
    UpdateCardPictures();
}

void TFormElvory::HsmcVoltageChange() {
    const int voltage = ui_->ComboBoxHsmcVol->currentIndex();
    if (voltage != shownHsmcVoltage_) {
        // The voltage's list, None chosen; the prefix stays.
        shownHsmcVoltage_ = voltage;
        const std::vector<BoardCardPort> ports = EffectivePorts(Definition(), ControlsRecord());
        TCardPort& hsmc = Port(HSMC);
        hsmc.Def = ports[HSMC];
        hsmc.List.Build(hsmc.Def.listType, hsmc.Def.allowTransceiver, hsmc.Def.listVoltage);
        hsmc.Combo->clear();
        for (int i = 0; i < hsmc.List.Count(); ++i) {
            hsmc.Combo->addItem(QString::fromLatin1(BoardName(hsmc.List.At(i)).c_str()));
        }
        hsmc.Combo->setCurrentIndex(0);
        hsmc.Combo->setMaxVisibleItems(std::max(1, hsmc.List.Count()));
    }
    UpdateShapes();
    UpdateCardPictures();
}

void TFormElvory::CardComboChange(int port) {
    if (port == GPIO) {
        rememberedGpioIndex_ = ui_->ComboBoxGpio->currentIndex();
    }
    TBoardFormOf::CardComboChange(port);
}

void TFormElvory::UpdateBoardShapes() {
    for (int i = 0; i < 4; ++i) {
        gpioVoltageShapes_[static_cast<std::size_t>(i)]->setVisible(
            ui_->ComboBoxGpioVol->currentIndex() == i);
        hsmcVoltageShapes_[static_cast<std::size_t>(i)]->setVisible(
            ui_->ComboBoxHsmcVol->currentIndex() == i);
    }
}

void TFormElvory::AfterGenerateSuccess() {
    ShowJumperWarning();
}

void TFormElvory::ShowJumperWarning() {
    const bool gpio = ui_->ComboBoxGpioVol->currentIndex() != kDefaultGpioVoltage;
    const bool hsmc = ui_->ComboBoxHsmcVol->currentIndex() != kDefaultHsmcVoltageIndex;
    if (!gpio && !hsmc) {
        return;
    }
    std::string text;
    if (gpio && hsmc) {
        text = "You have changed the default voltage level of GPIO and HSMC interface. \n"
               "Please remember to change the shunt position on JP6 and JP7 accordingly.";
    } else if (gpio) {
        text = "You have changed the default voltage level of GPIO expansion header. \n"
               "Please remember to change the shunt position on JP6 accordingly.";
    } else {
        text = "You have changed the default voltage level of HSMC interface. \n"
               "Please remember to change the shunt position on JP7 accordingly.";
    }
    text += "\n\nWanring:\nThe hardware could be damaged permanently without proper setting of "
            "voltage level.";
    platform::WarningBox(text);
}

namespace {
const BoardFormRegistrar kFormRegistrar{MAINBOARD_ELVORY, MakeBoardForm<TFormElvory>};
} // namespace
