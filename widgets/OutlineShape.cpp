#include "OutlineShape.h"

#include <QPainter>

namespace bacc {

OutlineShape::OutlineShape(const QString& objectName, Kind kind, QWidget* parent)
    : QWidget(parent), kind_(kind), border_(palette().color(QPalette::WindowText)) {
    setObjectName(objectName);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void OutlineShape::SetShapeKind(Kind kind) {
    if (kind_ != kind) {
        kind_ = kind;
        update();
    }
}

void OutlineShape::SetBorderColor(const QColor& color) {
    if (border_ != color) {
        border_ = color;
        update();
    }
}

void OutlineShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(border_, 1));
    painter.setBrush(Qt::NoBrush);
    const QRect box = rect().adjusted(0, 0, -1, -1);
    switch (kind_) {
    case Kind::Rectangle:
        painter.drawRect(box);
        break;
    case Kind::Oval:
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawEllipse(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5));
        break;
    case Kind::Line:
        painter.drawLine(0, 0, width() - 1, 0);
        break;
    }
}

} // namespace bacc
