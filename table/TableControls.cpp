#include "TableControls.h"

#include "Twips.h"

#include <cmath>

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace bacc {

PictureBox::PictureBox(const QString& objectName, QWidget* parent) : QLabel(parent) {
    setObjectName(objectName);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setMouseTracking(true);
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    const bool click =
        pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) {
        emit Clicked();
    }
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    emit MouseMoved();
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    // A picture cut short by a squeeze shows the lifted edge of the card: a pale rim with a soft shade.
    const QSize full = pixmap().deviceIndependentSize().toSize();
    if (full.isEmpty() || (height() >= full.height() && width() >= full.width())) {
        return;
    }
    QPainter painter(this);
    if (height() < full.height()) {
        const qreal edge = height();
        QLinearGradient shade(0, edge - 4, 0, edge);
        shade.setColorAt(0, QColor(0, 0, 0, 0));
        shade.setColorAt(1, QColor(0, 0, 0, 70));
        painter.fillRect(QRectF(0, edge - 4, width(), 4), shade);
        painter.fillRect(QRectF(0, edge - 1, width(), 1), QColor(250, 246, 236));
    }
    if (width() < full.width()) {
        const qreal edge = width();
        QLinearGradient shade(edge - 4, 0, edge, 0);
        shade.setColorAt(0, QColor(0, 0, 0, 0));
        shade.setColorAt(1, QColor(0, 0, 0, 70));
        painter.fillRect(QRectF(edge - 4, 0, 4, height()), shade);
        painter.fillRect(QRectF(edge - 1, 0, 1, height()), QColor(250, 246, 236));
    }
}

SqueezeHandle::SqueezeHandle(const QString& objectName, Edge edge, QWidget* parent)
    : QLabel(parent), edge_(edge) {
    setObjectName(objectName);
}

void SqueezeHandle::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void SqueezeHandle::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    const QPointF at = event->position();
    emit MouseMoved(static_cast<int>(std::lround(at.x() * TwipsPerPixel)),
                    static_cast<int>(std::lround(at.y() * TwipsPerPixel)));
}

void SqueezeHandle::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    emit MouseUp();
}

void SqueezeHandle::enterEvent(QEnterEvent* event) {
    hovered_ = true;
    update();
    QLabel::enterEvent(event);
}

void SqueezeHandle::leaveEvent(QEvent* event) {
    hovered_ = false;
    update();
    QLabel::leaveEvent(event);
}

void SqueezeHandle::paintEvent(QPaintEvent*) {
    // A faint strip with small chevrons pointing the way to drag; brighter under the pointer.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, hovered_ ? 70 : 40));
    painter.drawRoundedRect(area, 2.5, 2.5);
    QPen chevron(QColor(255, 255, 210, hovered_ ? 230 : 150), 1.1);
    chevron.setCapStyle(Qt::RoundCap);
    chevron.setJoinStyle(Qt::RoundJoin);
    painter.setPen(chevron);
    painter.setBrush(Qt::NoBrush);
    const qreal arm = 2.2;
    for (int i = 1; i <= 3; ++i) {
        if (edge_ == Edge::Bottom) {
            const qreal x = area.left() + area.width() * i / 4.0;
            const qreal y = area.center().y() - 1.0;
            QPainterPath path;
            path.moveTo(x - arm * 1.4, y + arm);
            path.lineTo(x, y - arm * 0.4);
            path.lineTo(x + arm * 1.4, y + arm);
            painter.drawPath(path);
        } else {
            const qreal y = area.top() + area.height() * i / 4.0;
            const qreal x = area.center().x() - 1.0;
            QPainterPath path;
            path.moveTo(x + arm, y - arm * 1.4);
            path.lineTo(x - arm * 0.4, y);
            path.lineTo(x + arm, y + arm * 1.4);
            painter.drawPath(path);
        }
    }
}

FocusHolder::FocusHolder(const QString& objectName, QWidget* parent) : QLineEdit(parent) {
    setObjectName(objectName);
    setFrame(false);
    setAttribute(Qt::WA_TranslucentBackground);
}

void FocusHolder::paintEvent(QPaintEvent*) {}

TableShape::TableShape(const QString& objectName, Kind kind, QWidget* parent) : QWidget(parent), kind_(kind) {
    setObjectName(objectName);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TableShape::SetBorder(const QColor& colour, qreal width) {
    border_ = colour;
    borderWidth_ = width;
    update();
}

void TableShape::SetFill(const QColor& colour) {
    fill_ = colour;
    update();
}

void TableShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(border_, borderWidth_);
    pen.setCapStyle(Qt::RoundCap);
    const qreal inset = borderWidth_ / 2.0;
    const QRectF area = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    switch (kind_) {
    case Kind::Rectangle:
        painter.setPen(borderWidth_ > 0 ? pen : QPen(Qt::NoPen));
        painter.setBrush(fill_);
        painter.drawRect(area);
        break;
    case Kind::RoundedRectangle:
        painter.setPen(borderWidth_ > 0 ? pen : QPen(Qt::NoPen));
        painter.setBrush(fill_);
        painter.drawRoundedRect(area, radius_, radius_);
        break;
    case Kind::HorizontalLine:
        painter.setPen(pen);
        painter.drawLine(QPointF(area.left(), height() / 2.0), QPointF(area.right(), height() / 2.0));
        break;
    case Kind::VerticalLine:
        painter.setPen(pen);
        painter.drawLine(QPointF(width() / 2.0, area.top()), QPointF(width() / 2.0, area.bottom()));
        break;
    }
}

} // namespace bacc
