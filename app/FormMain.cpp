#include "app/FormMain.h"

#include "app/BoardFormFactory.h"
#include "app/FormBoardSelector.h"
#include "platform/Assert.h"
#include "platform/Files.h"
#include "platform/qt/Desktop.h"
#include "platform/qt/IniFile.h"
#include "platform/qt/Pictures.h"

#include "ui_FormMain.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

TFormMain* FormMain = nullptr;

namespace {
const char* const kIniSection = "Pinsmith";
const char* const kIniKey = "MainBoard";
} // namespace

TFormMain::TFormMain(QWidget* owner) : QWidget(owner), ui_(std::make_unique<Ui::FormMain>()) {
    // Board forms reach the main window while it is still being built.
    FormMain = this;
    ui_->setupUi(this);
    // A fixed dialog border: caption and close box, no minimise or maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(size()); // a fixed border; a board form sets the size again
    BoardId = 0;
    LoadIni();
    BoardId = static_cast<std::uint8_t>(MAINBOARD_ILMARCH);
    if (!IsBoardOffered(BoardId)) {
        BoardId = 0;
    }
    if (BoardId != 0) {
        CreateBoardForm(BoardId);
    } else {
        ChooseMainBoard(true);
        SaveIni();
    }
}

TFormMain::~TFormMain() {
    FreeBoardForm();
    SaveIni();
    if (FormMain == this) {
        FormMain = nullptr;
    }
}

void TFormMain::CreateBoardForm(std::uint8_t boardId) {
    FreeBoardForm();
    QWidget* form = NewBoardForm(boardId, this);
    PINSMITH_ASSERT(form);
    boardForm_ = form;
    BoardId = boardId;
    form->show();
    form->setParent(this);
    form->move(0, 0);
    form->show();
    setFixedSize(form->width(), form->height());
    const QSize screen = platform::qt::ScreenSize();
    move(platform::qt::CentredOffset(screen.width(), form->width()),
         platform::qt::CentredOffset(screen.height(), form->height()));
}

void TFormMain::FreeBoardForm() {
    if (boardForm_) {
        QWidget* form = boardForm_;
        boardForm_ = nullptr;
        delete form;
    }
}

void TFormMain::ChooseMainBoard(bool disableCancel) {
    bool chosen = false;
    std::uint8_t selected = 0;
    {
        TFormBoardSelector selector(this);
        if (BoardId == 0) {
            BoardId = static_cast<std::uint8_t>(MAINBOARD_CALVET);
        }
        selector.SelectBoard(BoardId);
        if (disableCancel) {
            selector.CancelButton()->setEnabled(false);
        }
        if (selector.exec() == QDialog::Accepted) {
            selected = selector.GetSelectedBoardId();
            chosen = selected != 0;
        }
    }
    if (chosen) {
        CreateBoardForm(selected);
    }
}

bool TFormMain::event(QEvent* event) {
    if (event->type() == platform::qt::TMessageEvent::EventType()) {
        return WndProc(static_cast<platform::qt::TMessageEvent&>(*event));
    }
    return QWidget::event(event);
}

bool TFormMain::WndProc(platform::qt::TMessageEvent& message) {
    if (message.Message == WM_CHANGE_MAIN_BOARD) {
        ChooseMainBoard(false);
    }
    return QWidget::event(&message);
}

void TFormMain::closeEvent(QCloseEvent* event) {
    // The board form stores its settings when it closes; closing the main
    // window in any way closes it first.
    if (boardForm_) {
        boardForm_->close();
    }
    event->accept();
}

void TFormMain::LoadIni() {
    const std::string path = platform::qt::IniFilePath();
    if (!platform::FileExists(path)) {
        return;
    }
    const int value = platform::qt::ReadIniInteger(path, kIniSection, kIniKey, 0);
    BoardId = static_cast<std::uint8_t>(value & 0xFF);
}

void TFormMain::SaveIni() {
    const int value = static_cast<std::int8_t>(BoardId);
    // A file that cannot be written is no reason to bother the user.
    platform::qt::WriteIniInteger(platform::qt::IniFilePath(), kIniSection, kIniKey, value);
}

void TFormMain::ShowCardPicture(QLabel* image, CardId cardId) {
    const std::string name = CardPictureName(cardId);
    if (name.empty()) {
        image->setVisible(false);
        return;
    }
    image->setVisible(true);
    image->setPixmap(platform::qt::LoadPicture(name));
}

std::string TFormMain::CardPictureName(CardId cardId) {
    switch (CardNumber(cardId)) {
    case 0:
        return std::string();
    case 1:
        return "GPIO_80_BITMAP";
    case 2:
        return "HSMC_DEFAULT_80_BITMAP";
    case 3:
        return "HSMC_DEFAULT_XCVR_80_BITMAP";
    case 4:
        return "HSMC_LVDS_80_BITMAP";
    case 5:
        return "KIRREL_80_BITMAP";
    case 6:
        return "TESLIN_80_BITMAP";
    case 7:
        return "PARNEL_80_BITMAP";
    case 8:
        return "HAVOR_80_BITMAP";
    case 10:
        return "OSTEL_HSMC_80_BITMAP";
    case 11:
        return "OSTEL_GPIO_80_BITMAP";
    case 12:
        return "FYRN_80_BITMAP";
    case 13:
        return "TAMBRY_80_BITMAP";
    case 14:
        return "MAVLEN_80_BITMAP";
    case 15:
        return "VANTOR_80_BITMAP";
    case 16:
        return "KIBREN_80_BITMAP";
    case 17:
        return "LUNSK_80_BITMAP";
    case 18:
        return "HSMC_DEBUG_80_BITMAP";
    case 19:
        return "HSMC_LOOPBACK_80_BITMAP";
    case 20:
        return "KIRREL_LOOPBACK_80_BITMAP";
    case 21:
        return "WEXAL_80_BITMAP";
    case 22:
        return "BREVIK_80_BITMAP";
    case 23:
        return "HSMC_SATA_80_BITMAP";
    case 24:
    case 25:
        return "ORRIN_80_BITMAP";
    case 26:
        return "FASKER_80_BITMAP";
    case 27:
        return "PRELL_HSMC_80_BITMAP";
    case 28:
        return "DELVO_80_BITMAP";
    case 29:
        return "HSMC_ROWLAN_80_BITMAP";
    case 30:
        return "GPIO_UVREL_80_BITMAP";
    case 31:
        return "HSMC_HDMI_TX_80_BITMAP";
    case 32:
        return "HSMC_HDMI_RX_80_BITMAP";
    case 33:
        return "HSMC_HESSEL_80_BITMAP";
    case 34:
        return "QUARN_80_BITMAP";
    case 35:
        return "HSMC_PEMBLE_80_BITMAP";
    case 36:
        return "HSMC_SORVEL2_80_BITMAP";
    case 37:
        return "HSMC_LOOPBACK_XCVR_80_BITMAP";
    case 40:
        return "FMC_HPC_VITA_STD_80_BITMAP";
    case 41:
        return "FMC_LPC_VITA_STD_80_BITMAP";
    case 42:
    case 44:
        return "FMC_HPC_ALTERA_STD_80_BITMAP";
    case 43:
    case 45:
        return "FMC_HPC_ALTERA_STD_XCVR_80_BITMAP";
    case 46:
        return "FMC_LPC_ALTERA_STD_80_BITMAP";
    case 47:
        return "FMC_LPC_ALTERA_STD_XCVR_80_BITMAP";
    case 48:
        return "FMC_FASKER_80_BITMAP";
    case 49:
        return "FMC_BREVIK_80_BITMAP";
    case 50:
        return "FMC_VANTOR_80_BITMAP";
    case 51:
        return "FMC_TI_MORLET_FOR_TI_80_BITMAP";
    case 52:
        return "FMC_TI_ADC34J45_80_BITMAP";
    case 53:
        return "FMC_PARNEL_80_BITMAP";
    case 54:
        return "FMC_DOSTEL_80_BITMAP";
    case 55:
        return "WISTEL_80_BITMAP";
    case 56:
        return "HSMC_GRELT_80_BITMAP";
    case 57:
        return "LUNSK_FYRN_J2_80_BITMAP";
    case 58:
        return "LUNSK_FYRN_J3_80_BITMAP";
    case 59:
        return "LUNSK_FYRN_x2_80_BITMAP";
    case 60:
        return "HSMC_YARNEL_80_BITMAP";
    case 61:
        return "HSMC_YARNEL2_80_BITMAP";
    case 62:
        return "GPIO_RINDLE_80_BITMAP";
    case 63:
        return "GPIO_WISTEL2_80_BITMAP";
    case 64:
        return "GPIO_BRUDEL_80_BITMAP";
    case 65:
        return "GPIO_GYRVAN_80_BITMAP";
    case 66:
        return "GPIO_CAVEL_80_BITMAP";
    case 67:
        return "GPIO_ZEPPIT_80_BITMAP";
    case 68:
        return "ARDUINO_80_BITMAP";
    case 69:
        return "BBB_DEFAULT_80_BITMAP";
    case 70:
        return "BBB_WIFI_BLE_80_BITMAP";
    case 71:
        return "BBB_MODE7_80_BITMAP";
    case 72:
        return "ERGAN_2x6_DEFAULT_BITMAP";
    case 73:
        return "ERGAN_2x6_SPP_BLUETOOTH_BITMAP";
    case 74:
        return "GLENT_GPIO_80_BITMAP";
    case 76:
    case 84:
        return "GLENT_FMC_80_BITMAP";
    case 77:
        return "DDR4_SODIMM_80_BITMAP";
    case 78:
        return "DDR4_ECC_SODIMM_80_BITMAP";
    case 79:
        return "QUELMAR_DDR4_QDR2_BITMAP";
    case 80:
        return "QUELMAR_DDR4_QDR4_BITMAP";
    case 81:
        return "GPIO_80_2V5_BITMAP";
    case 82:
        return "GPIO_80_1V8_BITMAP";
    case 83:
        return "GPIO_80_1V5_BITMAP";
    case 86:
        return "HSMC_3V3_DEFAULT_80_BITMAP";
    case 87:
        return "HSMC_1V8_DEFAULT_80_BITMAP";
    case 88:
        return "HSMC_1V5_DEFAULT_80_BITMAP";
    case 89:
        return "HSMC_3V3_DEFAULT_XCVR_80_BITMAP";
    case 90:
        return "HSMC_3V0_DEFAULT_XCVR_80_BITMAP";
    case 91:
        return "HSMC_1V8_DEFAULT_XCVR_80_BITMAP";
    case 92:
        return "HSMC_1V5_DEFAULT_XCVR_80_BITMAP";
    case 93:
        return "GPIO_80_3V0_BITMAP";
    case 94:
        return "HSMC_3V0_DEFAULT_80_BITMAP";
    default:
        // 9, 38, 39, 75, 85 and above 94: no card list offers them.
        PINSMITH_FAIL("0");
    }
}
