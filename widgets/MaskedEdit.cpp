#include "MaskedEdit.h"

#include <QFocusEvent>
#include <QTimer>

namespace bacc {

MaskedEdit::MaskedEdit(const QString& objectName, const QString& mask, int digitPositions, QWidget* parent)
    : QLineEdit(parent), digitPositions_(digitPositions), literalPrefix_(0) {
    setObjectName(objectName);
    setInputMask(mask + QStringLiteral(";_"));
    for (int i = 0; i < mask.size() && mask[i] == QLatin1Char('\\'); i += 2) {
        ++literalPrefix_;
    }
}

QString MaskedEdit::Digits() const {
    QString digits;
    for (const QChar c : text()) {
        if (c.isDigit()) {
            digits += c;
        }
    }
    return digits;
}

long long MaskedEdit::Number() const {
    return Digits().toLongLong();
}

void MaskedEdit::SetDigits(const QString& digits) {
    QString literal;
    const QString mask = inputMask();
    for (int i = 0; i < literalPrefix_; ++i) {
        literal += mask[2 * i + 1];
    }
    setText(literal + digits);
}

void MaskedEdit::SelectDigits() {
    setSelection(literalPrefix_, digitPositions_);
}

void MaskedEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    emit GotFocus();
    // QLineEdit places the cursor after the focus event has been handled; select once it has.
    QTimer::singleShot(0, this, [this] {
        if (hasFocus()) {
            SelectDigits();
        }
    });
}

void MaskedEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    emit LostFocus();
}

} // namespace bacc
