#include "boards/stratix5/UI_Ombrel2.h"

#include <QFont>

TFormOmbrel2::TFormOmbrel2(QWidget* owner) : QWidget(owner) {
    setObjectName("FormOmbrel2");
    setWindowTitle("FormOmbrel2");
    QFont font("Sans Serif");
    font.setPointSize(8);
    setFont(font);
    resize(870, 640);
}
