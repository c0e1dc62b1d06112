#pragma once
// An outline drawn over a board picture: a rectangle with a coloured pen,
// solid or dotted, and no fill. The pen stays inside the widget's rectangle.
// Mouse input passes through to what lies below.

#include <QColor>
#include <QWidget>

class TShape : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor penColor READ penColor WRITE setPenColor)
    Q_PROPERTY(int penWidth READ penWidth WRITE setPenWidth)
    Q_PROPERTY(bool dotted READ dotted WRITE setDotted)

public:
    explicit TShape(QWidget* parent = nullptr);
    // A shape placed at once: left, top, width, height inside the parent.
    TShape(QWidget* parent, const QRect& geometry, const QColor& pen, int width,
           bool dotted = false);

    QColor penColor() const { return penColor_; }
    void setPenColor(const QColor& color);
    int penWidth() const { return penWidth_; }
    void setPenWidth(int width);
    bool dotted() const { return dotted_; }
    void setDotted(bool dotted);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor penColor_ = Qt::yellow;
    int penWidth_ = 2;
    bool dotted_ = false;
};
