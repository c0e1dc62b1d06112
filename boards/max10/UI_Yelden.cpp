#include "boards/max10/UI_Yelden.h"

#include "app/FormMain.h"
#include "app/Shape.h"
#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/UI_BoardPicture.h"
#include "boards/max10/BbbPinout.h"
#include "platform/Assert.h"
#include "platform/qt/Pictures.h"
#include "platform/qt/Text8.h"

#include "boards/UI_BoardForms.h"
#include "boards/max10/YeldenId.h"
#include "ui_UI_Yelden.h"

#include <QColor>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

#include <cstddef>
#include <map>
#include <string>

using namespace yelden;

namespace {
constexpr const char* kRevisions[] = {"revision A", "revision B", "revision C"};
constexpr int kPanelExtraHeight = 35;
} // namespace

TFormYelden::TFormYelden(QWidget* owner)
    : TBoardFormOf<TConfigBase<YELDEN_CONFIG>>(owner), ui_(std::make_unique<Ui::TFormYelden>()) {
    ui_->setupUi(this);
    setFixedSize(794, 517);
    SetFormColour(QColor(235, 233, 237)); // 0xEDE9EB
    ui_->ImageQuelmar->setPixmap(platform::qt::LoadPicture(kMakerLogoPicture));
    const BoardPicture* picture = FindBoardPicture(MAINBOARD_YELDEN);
    PINSMITH_ASSERT(picture != nullptr);
    ui_->ImageMax->setPixmap(platform::qt::LoadPicture(picture->badge));
    const std::map<std::string, TShape*> outlines = ShowBoardPicture(ui_->ImageBoard, *picture);
    const auto outline = [&](const char* name) { return outlines.at(name); };
    shapeP8_ = outline("ShapeBBB_P8");
    shapeP9_ = outline("ShapeBBB_P9");

    SetBoard(*FindBoard(MAINBOARD_YELDEN));
    SetProjectNameEdit(ui_->EditProjectName);
    SetButtons({ui_->ButtonSave, ui_->ButtonLoad, ui_->ButtonGen, ui_->ButtonExit,
                ui_->ButtonMainBoardSelect, nullptr});

    // The groups whose controls break the naming scheme.
    static constexpr TPeripheralControls kControls[] = {
        {"GSensor", nullptr, "ShapeGsensor"},
        {"SmaADC", nullptr, "ShapeSMA_ADC"},
    };
    BindPeripherals(kControls);
    ui_->CheckBoxSmaADC->setVisible(false);

    ui_->EditPrefixBBB->setMaxLength(kRecordTextSize - 1);
    // Both the user's choice and one made from code refresh picture and
    // outlines.
    connect(ui_->ComboBoxBBB, &QComboBox::currentIndexChanged, this, [this] {
        ShowBbbPicture();
        UpdateShapes();
    });

    SetCtrlBeep(true);
    InitForm();

    // The revision is C and the SMA ADC option off whatever default.cfg held.
    Settings.Config.nBoardRevIndex = kRevisionC;
    Settings.Config.bSmaADC = 0;
    ui_->ComboBoxBoardRev->setVisible(false);
    ui_->LabelRevision->setVisible(false);
    ui_->PanelBoard->resize(ui_->PanelBoard->width(),
                            ui_->PanelBoard->height() + kPanelExtraHeight);
    ShowRecord();
}

TFormYelden::~TFormYelden() = default;

void TFormYelden::FillCardCombos() {
    TBoardFormOf::FillCardCombos();
    {
        const QSignalBlocker block(ui_->ComboBoxBBB);
        ui_->ComboBoxBBB->clear();
        for (const BBB_MODE_ITEM& item : BBB_MODE_ITEMS.Items) {
            ui_->ComboBoxBBB->addItem(QString::fromLatin1(item.Caption));
        }
        ui_->ComboBoxBBB->setCurrentIndex(0);
    }
    // The mode entries' pictures: entry 0 (None) has none.
    Settings.CardIds[0] = 0;
    for (int i = 1; i < kBbbModeCount; ++i) {
        Settings.CardIds[i] = static_cast<std::uint8_t>(BBB_MODE_ITEMS.PictureCards[i - 1]);
    }
    Settings.CardCount = kBbbModeCount;
    ui_->ComboBoxBoardRev->clear();
    for (const char* revision : kRevisions) {
        ui_->ComboBoxBoardRev->addItem(QString::fromLatin1(revision));
    }
    ui_->ComboBoxBoardRev->setCurrentIndex(0);
}

void TFormYelden::ShowBbbPicture() {
    const int index = ui_->ComboBoxBBB->currentIndex();
    const CardId card =
        index > 0 && index < Settings.CardCount ? MakeCardId(Settings.CardIds[index]) : CARD_NONE;
    TFormMain::ShowCardPicture(ui_->ImageBBB, card);
}

void TFormYelden::ConfigToBoardControls(const YELDEN_CONFIG& record) {
    // The record is mended: the mode is 0..3, the revision 0..2.
    {
        const QSignalBlocker block(ui_->ComboBoxBBB);
        ui_->ComboBoxBBB->setCurrentIndex(record.nBbbModeIndex);
    }
    const auto bytes = ConstBytes(record);
    ui_->EditPrefixBBB->setText(
        record.nBbbModeIndex != kModeNone
            ? platform::qt::Latin1(RecordFieldText(bytes, offsetof(YELDEN_CONFIG, szBBBPrefixName)))
            : QString());
    ui_->ComboBoxBoardRev->setCurrentIndex(record.nBoardRevIndex);
    ShowBbbPicture();
}

void TFormYelden::BoardControlsToConfig(YELDEN_CONFIG& record) {
    record.nBbbModeIndex = static_cast<std::uint8_t>(ui_->ComboBoxBBB->currentIndex());
    record.nBoardRevIndex = ui_->ComboBoxBoardRev->currentIndex();
    SetRecordFieldText(Bytes(record), offsetof(YELDEN_CONFIG, szBBBPrefixName),
                       platform::qt::Text8(ui_->EditPrefixBBB->text()));
}

void TFormYelden::UpdateBoardShapes() {
    const bool header = ui_->ComboBoxBBB->currentIndex() > 0;
    shapeP8_->setVisible(header);
    shapeP9_->setVisible(header);
}

namespace {
const BoardFormRegistrar kFormRegistrar{MAINBOARD_YELDEN, MakeBoardForm<TFormYelden>};
} // namespace
