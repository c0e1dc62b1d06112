#include "app/Shape.h"

#include <QPainter>
#include <QPen>

TShape::TShape(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
}

TShape::TShape(QWidget* parent, const QRect& geometry, const QColor& pen, int width, bool dotted)
    : TShape(parent) {
    setGeometry(geometry);
    penColor_ = pen;
    penWidth_ = width;
    dotted_ = dotted;
}

void TShape::setPenColor(const QColor& color) {
    penColor_ = color;
    update();
}

void TShape::setPenWidth(int width) {
    penWidth_ = width < 1 ? 1 : width;
    update();
}

void TShape::setDotted(bool dotted) {
    dotted_ = dotted;
    update();
}

void TShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QPen pen(penColor_);
    pen.setWidth(penWidth_);
    pen.setStyle(dotted_ ? Qt::DotLine : Qt::SolidLine);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    // Centre the pen on a rectangle inset by half its width so the whole
    // line lies inside the widget.
    const qreal half = penWidth_ / 2.0;
    painter.drawRect(QRectF(half, half, width() - penWidth_, height() - penWidth_));
}
