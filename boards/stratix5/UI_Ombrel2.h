#pragma once
// The form of board id 17 (Ombrel II): an empty form without controls,
// settings or generation. The user leaves it through the main window.

#include <QWidget>

class TFormOmbrel2 : public QWidget {
    Q_OBJECT

public:
    explicit TFormOmbrel2(QWidget* owner);
};
