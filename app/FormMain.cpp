#include "app/FormMain.h"

#include "app/BoardForm.h"
#include "app/BoardFormFactory.h"
#include "app/FormBoardSelector.h"
#include "boards/Boards.h"
#include "cards/CardRegistry.h"
#include "platform/Assert.h"
#include "platform/Files.h"
#include "platform/qt/Desktop.h"
#include "platform/qt/IniFile.h"
#include "platform/qt/Pictures.h"

#include "boards/stratix5/CalvetId.h"
#include "ui_FormMain.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>

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
    BoardId = static_cast<std::uint8_t>(StartBoardId());
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
    // No save from here: a board form that keeps default.cfg before its
    // teardown has saved when this window closed.
    DeleteBoardForm();
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
    if (form->property(kSizeableBorderProperty).toBool()) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        resize(form->size());
    } else {
        setFixedSize(form->width(), form->height());
    }
    const QSize screen = platform::qt::ScreenSize();
    move(platform::qt::CentredOffset(screen.width(), form->width()),
         platform::qt::CentredOffset(screen.height(), form->height()));
}

void TFormMain::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (boardForm_ && boardForm_->property(kSizeableBorderProperty).toBool()) {
        boardForm_->resize(size());
    }
}

void TFormMain::FreeBoardForm() {
    SaveBoardFormBeforeTeardown();
    DeleteBoardForm();
}

void TFormMain::SaveBoardFormBeforeTeardown() {
    if (auto* form = qobject_cast<TBoardForm*>(boardForm_)) {
        form->SaveBeforeTeardown();
    }
}

void TFormMain::DeleteBoardForm() {
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
        // Without a board form this window is not placed yet: centred on
        // it, the selector would open partly off the screen.
        if (!boardForm_) {
            selector.CentreOnScreen();
        }
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
    // The board form stores its settings when it closes (or, on boards that
    // keep them before the form's teardown, right after); closing the main
    // window in any way closes it first.
    if (boardForm_) {
        boardForm_->close();
    }
    SaveBoardFormBeforeTeardown();
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
    const CardEntry* entry = FindCardEntry(cardId);
    return entry && entry->picture ? entry->picture : std::string();
}
