#include "ClickLabel.h"

#include <QMouseEvent>

namespace bacc {

ClickLabel::ClickLabel(const QString& objectName, const QString& caption, QWidget* parent)
    : QLabel(caption, parent) {
    setObjectName(objectName);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && isEnabled() && rect().contains(event->position().toPoint())) {
        emit Clicked();
    }
}

} // namespace bacc
