#include "boards/stratix5/UI_Ombrel2.h"

#include "app/FormMain.h"
#include "boards/UI_BoardForms.h"
#include "boards/stratix5/Ombrel2Id.h"

#include <QFont>

TFormOmbrel2::TFormOmbrel2(QWidget* owner) : QWidget(owner) {
    setObjectName("FormOmbrel2");
    setWindowTitle("FormOmbrel2");
    QFont font("Sans Serif");
    font.setPointSize(8);
    setFont(font);
    resize(870, 640);
    // A sizeable border: the main window hosting it can be resized.
    setProperty(kSizeableBorderProperty, true);
}

namespace {
const BoardFormRegistrar kFormRegistrar{MAINBOARD_OMBREL2, MakeBoardForm<TFormOmbrel2>};
} // namespace
