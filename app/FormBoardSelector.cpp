#include "app/FormBoardSelector.h"

#include "app/BoardFormFactory.h"
#include "boards/Boards.h"
#include "platform/Assert.h"
#include "platform/qt/Desktop.h"
#include "platform/qt/Pictures.h"

#include "ui_FormBoardSelector.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {
constexpr int kLastBoardId = 255;
} // namespace

bool TFormBoardSelector::BoardEntry(int boardId, std::string& line, std::string& picture) {
    const BoardDef* def = FindBoard(boardId);
    if (!def) {
        return false;
    }
    line = def->selectorLine;
    picture = def->selectorPicture;
    return true;
}

TFormBoardSelector::TFormBoardSelector(QWidget* owner)
    : QDialog(owner), ui_(std::make_unique<Ui::FormBoardSelector>()) {
    ui_->setupUi(this);
    // A dialog border without title-bar buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(size());
    connect(ui_->ListBoxMainBoard, &QListWidget::itemClicked, this, [this] { ShowBoardPicture(); });
    connect(ui_->ListBoxMainBoard, &QListWidget::currentRowChanged, this,
            [this] { ShowBoardPicture(); });
    connect(ui_->ListBoxMainBoard, &QListWidget::itemDoubleClicked, this, [this] { accept(); });
    connect(ui_->ButtonOK, &QPushButton::clicked, this, [this] { accept(); });
    connect(ui_->ButtonCancel, &QPushButton::clicked, this, [this] { QDialog::reject(); });
    FillBoardList();
    ShowBoardPicture();
    if (owner) {
        const QRect frame = owner->frameGeometry();
        move(frame.x() + platform::qt::CentredOffset(frame.width(), width()),
             frame.y() + platform::qt::CentredOffset(frame.height(), height()));
    }
}

TFormBoardSelector::~TFormBoardSelector() = default;

void TFormBoardSelector::FillBoardList() {
    QListWidget* list = ui_->ListBoxMainBoard;
    const QSignalBlocker block(list);
    list->clear();
    PictureNames.clear();
    BoardIds.clear();
    for (int id = 0; id <= kLastBoardId; ++id) {
        if (!IsBoardOffered(id)) {
            continue;
        }
        std::string line;
        std::string picture;
        const bool known = BoardEntry(id, line, picture);
        PINSMITH_ASSERT(known);
        auto* item = new QListWidgetItem(QString::fromLatin1(line.c_str()), list);
        item->setSizeHint(QSize(0, 20));
        PictureNames.push_back(picture);
        BoardIds.push_back(static_cast<std::uint8_t>(id));
    }
    if (list->count() > 0) {
        list->setCurrentRow(0);
    }
}

void TFormBoardSelector::ShowBoardPicture() {
    const int row = ui_->ListBoxMainBoard->currentRow();
    if (row < 0 || row >= Count()) {
        return;
    }
    const QPixmap picture = platform::qt::LoadPicture(PictureNames[static_cast<std::size_t>(row)]);
    QLabel* image = ui_->ImageBoard;
    image->setPixmap(picture);
    image->resize(picture.size());
    const QFrame* panel = ui_->PanelImage;
    image->move(platform::qt::CentredOffset(panel->width(), picture.width()),
                platform::qt::CentredOffset(panel->height(), picture.height()));
}

void TFormBoardSelector::CentreOnScreen() {
    const QSize screen = platform::qt::ScreenSize();
    move(platform::qt::CentredOffset(screen.width(), width()),
         platform::qt::CentredOffset(screen.height(), height()));
}

void TFormBoardSelector::SelectBoard(std::uint8_t boardId) {
    for (int i = 0; i < Count(); ++i) {
        if (BoardIds[static_cast<std::size_t>(i)] == boardId) {
            const QSignalBlocker block(ui_->ListBoxMainBoard);
            ui_->ListBoxMainBoard->setCurrentRow(i);
            ShowBoardPicture();
            return;
        }
    }
}

std::uint8_t TFormBoardSelector::GetSelectedBoardId() const {
    const int row = ui_->ListBoxMainBoard->currentRow();
    if (row < 0 || row >= Count()) {
        return 0;
    }
    return BoardIds[static_cast<std::size_t>(row)];
}

void TFormBoardSelector::reject() {
    if (!ui_->ButtonCancel->isEnabled()) {
        return;
    }
    QDialog::reject();
}

QListWidget* TFormBoardSelector::BoardList() const {
    return ui_->ListBoxMainBoard;
}
QPushButton* TFormBoardSelector::OkButton() const {
    return ui_->ButtonOK;
}
QPushButton* TFormBoardSelector::CancelButton() const {
    return ui_->ButtonCancel;
}
QFrame* TFormBoardSelector::PicturePanel() const {
    return ui_->PanelImage;
}
QLabel* TFormBoardSelector::PictureLabel() const {
    return ui_->ImageBoard;
}
