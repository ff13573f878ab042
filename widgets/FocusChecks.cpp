#include "FocusChecks.h"

#include <QFocusEvent>
#include <QWidget>

namespace bacc {

void FocusChecks::Watch(QWidget* box) {
    box->installEventFilter(this);
    connect(box, &QObject::destroyed, this, [this](QObject* gone) { lastReason_.remove(gone); });
}

void FocusChecks::ReturnFocusTo(QWidget* box) {
    box->window()->activateWindow();
    box->setFocus(Qt::OtherFocusReason);
}

bool FocusChecks::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        lastReason_[watched] = static_cast<QFocusEvent*>(event)->reason();
    }
    return QObject::eventFilter(watched, event);
}

bool FocusChecks::FromOtherWindow(const QWidget* box) const {
    const int reason = lastReason_.value(box, Qt::OtherFocusReason);
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

} // namespace bacc
