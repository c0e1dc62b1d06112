#include "boards/stratix3/UI_Fennik.h"

#include "app/FormMain.h"
#include "app/Shape.h"
#include "boards/Boards.h"
#include "boards/UI_BoardPicture.h"
#include "platform/Assert.h"
#include "platform/qt/Pictures.h"

#include "boards/UI_BoardForms.h"
#include "boards/stratix3/FennikId.h"
#include "ui_UI_Fennik.h"

#include <algorithm>
#include <cstddef>
#include <initializer_list>

using namespace fennik;

namespace {
// Ports of the definition: the two GPIO headers, then KIRREL-A..D.
constexpr int kGpio0Port = 0;
constexpr int kGpio1Port = 1;
constexpr int kKirrelPort = 2;
} // namespace

TFormFennik::TFormFennik(QWidget* owner)
    : TBoardFormOf<TConfigBase<FENNIK_CONFIG>>(owner), ui_(std::make_unique<Ui::TFormFennik>()) {
    ui_->setupUi(this);
    setFixedSize(791, 727);
    ui_->ImageQuelmar->setPixmap(platform::qt::LoadPicture(kMakerLogoPicture));
    const BoardPicture* picture = FindBoardPicture(MAINBOARD_FENNIK);
    PINSMITH_ASSERT(picture != nullptr);
    ui_->ImageStratix->setPixmap(platform::qt::LoadPicture(picture->badge));
    outlines_ = ShowBoardPicture(ui_->ImageBoard, *picture);
    // The GPIO-1 controls lie exactly over KIRREL-A's.
    ui_->ComboBoxGPIO_1->setGeometry(ui_->ComboBoxKIRREL_A->geometry());
    ui_->EditPrefixGPIO_1->setGeometry(ui_->EditPrefixKIRREL_A->geometry());
    const std::initializer_list<QWidget*> gpio0Row = {ui_->LabelGPIO, ui_->ComboBoxGPIO_0,
                                                      ui_->LabelPreGPIO_0, ui_->EditPrefixGPIO_0,
                                                      ui_->ImageGPIO};
    for (QWidget* w : ui_->GroupExpansion->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (std::find(gpio0Row.begin(), gpio0Row.end(), w) == gpio0Row.end()) {
            rowsBelowGpio0_.emplace_back(w, w->pos());
        }
    }
    expansionHeight_ = ui_->GroupExpansion->height();
    gpio0Band_ = ui_->LabelKIRREL_A->y() - ui_->LabelGPIO->y();
    for (const char* board :
         {"FENNIK 150", "FENNIK 260", "FENNIK 340C2", "FENNIK 340C3", "FENNIK 150ES"}) {
        ui_->ComboBoxBoard->addItem(board);
    }

    SetBoard(*FindBoard(MAINBOARD_FENNIK));
    SetProjectNameEdit(ui_->EditProjectName);
    SetButtons({ui_->ButtonSave, ui_->ButtonLoad, ui_->ButtonGen, ui_->ButtonExit,
                ui_->ButtonMainBoardSelect, nullptr});

    // The groups whose controls break the naming scheme.
    static constexpr TPeripheralControls kControls[] = {
        {"GPIO", nullptr, ""},
    };
    BindPeripherals(kControls);

    // Pictures and port outlines follow the modes (UpdateCardPictures,
    // UpdateBoardShapes).
    const TPortList lists[] = {{"GPIO-0", gpioList_}, {"GPIO-1", gpioList_}};
    constexpr TPortControls kDrawnByModes[] = {
        {"GPIO-0", "", ""},   {"GPIO-1", "", ""},   {"KIRREL-A", "", ""},
        {"KIRREL-B", "", ""}, {"KIRREL-C", "", ""}, {"KIRREL-D", "", ""},
    };
    BindPorts(lists, kDrawnByModes);

    SetSuccessBox(false);
    SetSavesBeforeTeardown(true);
    SetPrefixEmptyWithoutCard(true);
    InitForm();
}

TFormFennik::~TFormFennik() = default;

bool TFormFennik::GpioMode() const {
    return ui_->CheckBoxGPIO->isChecked();
}

bool TFormFennik::Ddr2Mode() const {
    return ui_->CheckBoxDDR2->isChecked();
}

void TFormFennik::ShowModes() {
    const bool gpio = GpioMode();
    ui_->LabelKIRREL_A->setText(gpio ? "GPIO-1" : "KIRREL-A");
    for (QWidget* w : std::initializer_list<QWidget*>{ui_->LabelGPIO, ui_->ComboBoxGPIO_0,
                                                      ui_->LabelPreGPIO_0, ui_->EditPrefixGPIO_0,
                                                      ui_->ComboBoxGPIO_1, ui_->EditPrefixGPIO_1}) {
        w->setVisible(gpio);
    }
    ui_->ComboBoxKIRREL_A->setVisible(!gpio);
    ui_->EditPrefixKIRREL_A->setVisible(!gpio);
    const int shift = gpio ? 0 : gpio0Band_;
    for (const auto& [w, place] : rowsBelowGpio0_) {
        w->move(place.x(), place.y() - shift);
    }
    ui_->GroupExpansion->resize(ui_->GroupExpansion->width(), expansionHeight_ - shift);
    if (Ddr2Mode()) {
        ui_->ComboBoxKIRREL_B->setCurrentIndex(0);
        ui_->EditPrefixKIRREL_B->clear();
    }
    ui_->ComboBoxKIRREL_B->setEnabled(!Ddr2Mode());
}

void TFormFennik::CheckBoxClick() {
    ShowModes();
    UpdateCardPictures();
    UpdateShapes();
}

void TFormFennik::AfterShowRecord() {
    ShowModes();
    UpdateCardPictures();
    UpdateShapes();
}

void TFormFennik::UpdateCardPictures() {
    if (GpioMode()) {
        TFormMain::ShowCardPicture(ui_->ImageGPIO, PortCard(kGpio0Port));
        TFormMain::ShowCardPicture(ui_->ImageKIRREL_A, PortCard(kGpio1Port));
    } else {
        ui_->ImageGPIO->setVisible(false);
        TFormMain::ShowCardPicture(ui_->ImageKIRREL_A, PortCard(kKirrelPort + KIRREL_A));
    }
    // The memory module has no picture: KIRREL-B's stays hidden.
    TFormMain::ShowCardPicture(ui_->ImageKIRREL_B,
                               Ddr2Mode() ? CARD_NONE : PortCard(kKirrelPort + KIRREL_B));
    TFormMain::ShowCardPicture(ui_->ImageKIRREL_C, PortCard(kKirrelPort + KIRREL_C));
    TFormMain::ShowCardPicture(ui_->ImageKIRREL_D, PortCard(kKirrelPort + KIRREL_D));
}

void TFormFennik::UpdateBoardShapes() {
    const bool gpio = GpioMode();
    const auto used = [&](int port) { return PortCard(port) != CARD_NONE; };
    outlines_.at("ShapeGPIO_0")->setVisible(gpio && used(kGpio0Port));
    outlines_.at("ShapeGPIO_1")->setVisible(gpio && used(kGpio1Port));
    outlines_.at("ShapeKIRREL_A")->setVisible(!gpio && used(kKirrelPort + KIRREL_A));
    outlines_.at("ShapeKIRREL_B")->setVisible(!Ddr2Mode() && used(kKirrelPort + KIRREL_B));
    outlines_.at("ShapeKIRREL_C")->setVisible(used(kKirrelPort + KIRREL_C));
    outlines_.at("ShapeKIRREL_D")->setVisible(used(kKirrelPort + KIRREL_D));
}

void TFormFennik::ConfigToBoardControls(const FENNIK_CONFIG& record) {
    ui_->ComboBoxBoard->setCurrentIndex(record.nBoardIndex);
}

// The ports a mode takes away keep no card and no prefix.
void TFormFennik::BoardControlsToConfig(FENNIK_CONFIG& record) {
    record.nBoardIndex = static_cast<std::uint8_t>(std::max(0, ui_->ComboBoxBoard->currentIndex()));
    const auto clear = [](std::uint8_t& card, char* prefix) {
        card = 0;
        std::fill(prefix, prefix + kRecordTextSize, '\0');
    };
    if (record.bGPIO) {
        clear(record.nKirrelDaughterId[KIRREL_A], record.szKirrelPrefixName[KIRREL_A]);
    } else {
        for (int h = 0; h < kGpioCount; ++h) {
            clear(record.nGpioDaughterId[h], record.szGpioPrefixName[h]);
        }
    }
    if (record.bDDR2) {
        clear(record.nKirrelDaughterId[KIRREL_B], record.szKirrelPrefixName[KIRREL_B]);
    }
}

namespace {
const BoardFormRegistrar kFormRegistrar{MAINBOARD_FENNIK, MakeBoardForm<TFormFennik>};
} // namespace
