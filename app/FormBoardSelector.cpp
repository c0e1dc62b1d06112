#include "app/FormBoardSelector.h"

#include "app/BoardFormFactory.h"
#include "platform/Assert.h"
#include "platform/qt/Desktop.h"
#include "platform/qt/Pictures.h"

#include "ui_FormBoardSelector.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

struct BoardRow {
    int id;
    const char* line;
    const char* picture;
};

// Ordered by id; the list follows the ids, not this table.
constexpr BoardRow kBoards[] = {
    {1, "Alvek FPGA Board", "ALVEK_400_BITMAP"},
    {2, "Bressa FPGA Board", "BRESSA_400_BITMAP"},
    {3, "Corvin FPGA Board", "CORVIN_400_BITMAP"},
    {4, "Dunmar FPGA Board", "DUNMAR_400_BITMAP"},
    {5, "Elvory FPGA Board", "ELVORY_400_BITMAP"},
    {6, "Fennik FPGA Board", "FENNIK_400_BITMAP"},
    {7, "Galdre X2 FPGA Board", "GALDRE_X2_400_BITMAP"},
    {8, "Galdre FPGA Board", "GALDRE_X1_400_BITMAP"},
    {9, "Hollin FPGA Board", "HOLLIN_400_BITMAP"},
    {10, "Istrel FPGA Board", "ISTREL_400_BITMAP"},
    {11, "Jorvath FPGA Board", "JORVATH_400_BITMAP"},
    {12, "Kelmis FPGA Board", "KELMIS_400_BITMAP"},
    {13, "Lorsk FPGA Board", "LORSK_400_BITMAP"},
    {14, "Marwen FPGA Board", "MARWEN_BITMAP"},
    {15, "Nolvar FPGA Board", "KELMIS_400_BITMAP"},
    {16, "Ombrel FPGA Board", "OMBREL_BITMAP"},
    {17, "Ombrel II FPGA Board", "OMBREL_BITMAP"},
    {18, "Pellix II FPGA Board", "PELLIX_BITMAP"},
    {19, "Quindle FPGA Board", "QUINDLE_BITMAP"},
    {20, "Rasmer FPGA Board", "RASMER_BITMAP"},
    {21, "Sollen Board", "SOLLEN_BITMAP"},
    {22, "Tavrin Board", "TAVRIN_BITMAP"},
    {23, "Ulvane SoC Board", "ULVANE_BITMAP"},
    {24, "Vessor SoC Board", "VESSOR_BITMAP"},
    {25, "Wendal Board", "WENDAL_BITMAP"},
    {26, "Yelden", "YELDEN_BITMAP"},
    {27, "Zarvik FPGA Board", "ZARVIK_BITMAP"},
    {28, "Zarvik-DDR4 FPGA Board", "ZARVIK_DDR4_BITMAP"},
    {30, "Brovan KIT", "BROVAN_BITMAP"},
    {31, "Calvet FPGA Board", "CALVET_400_BITMAP"},
    {32, "Dravel KIT", "DRAVEL_BITMAP"},
    {33, "Espern FPGA Board", "ESPERN_BITMAP"},
    {34, "Falmor Board", "FALMOR_BITMAP"},
    {35, "Gristel Board", "GRISTEL_BITMAP"},
    {36, "Harvik Board", "HARVIK_BITMAP"},
    {37, "Ilmarch FPGA Board", "ILMARCH_BITMAP"},
    {50, "Jorkel", "JORKEL_400_BITMAP"},
    {100, "Kelvane", "KELVANE_400_BITMAP"},
    {101, "Lumbrel", "LUMBREL_400_BITMAP"},
};

constexpr int kLastBoardId = 101;

} // namespace

bool TFormBoardSelector::BoardEntry(int boardId, std::string& line, std::string& picture) {
    for (const BoardRow& row : kBoards) {
        if (row.id == boardId) {
            line = row.line;
            picture = row.picture;
            return true;
        }
    }
    return false;
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
