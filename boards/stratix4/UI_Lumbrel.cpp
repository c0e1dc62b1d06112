#include "boards/stratix4/UI_Lumbrel.h"

#include "app/FormMain.h"
#include "app/Shape.h"
#include "boards/BoardPicture.h"
#include "boards/UI_BoardPicture.h"
#include "platform/Assert.h"
#include "platform/qt/Desktop.h"
#include "platform/qt/Pictures.h"

#include "boards/UI_BoardForms.h"
#include "boards/stratix4/LumbrelId.h"
#include "ui_UI_Lumbrel.h"

#include <QColor>
#include <QPalette>
#include <QPushButton>

TFormLumbrel::TFormLumbrel(QWidget* owner)
    : QWidget(owner), ui_(std::make_unique<Ui::TFormLumbrel>()) {
    ui_->setupUi(this);
    setFixedSize(833, 742);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(235, 233, 237));
    setPalette(pal);
    setAutoFillBackground(true);

    const BoardPicture* picture = FindBoardPicture(MAINBOARD_LUMBREL);
    PINSMITH_ASSERT(picture != nullptr);
    ui_->ImageQuelmar->setPixmap(platform::qt::LoadPicture(kMakerLogoPicture));
    ui_->ImageStratix->setPixmap(platform::qt::LoadPicture(picture->badge));
    for (const auto& [name, shape] : ShowBoardPicture(ui_->ImageBoard, *picture)) {
        shape->setVisible(true);
    }

    // Nothing behind the controls: every one is disabled but the two ways
    // out of the form.
    for (QWidget* child : findChildren<QWidget*>()) {
        if (child->inherits("QCheckBox") || child->inherits("QComboBox") ||
            child->inherits("QLineEdit") || child->inherits("QPushButton")) {
            child->setEnabled(false);
        }
    }
    ui_->ButtonExit->setEnabled(true);
    ui_->ButtonMainBoardSelect->setEnabled(true);
    connect(ui_->ButtonExit, &QPushButton::clicked, this, [this] {
        close();
        if (FormMain) {
            FormMain->close();
        }
    });
    connect(ui_->ButtonMainBoardSelect, &QPushButton::clicked, this, [] {
        if (FormMain) {
            platform::qt::PostWindowMessage(FormMain, WM_CHANGE_MAIN_BOARD);
        }
    });
}

TFormLumbrel::~TFormLumbrel() = default;

namespace {
const BoardFormRegistrar kFormRegistrar{MAINBOARD_LUMBREL, MakeBoardForm<TFormLumbrel>};
} // namespace
