#pragma once

#include <QLineEdit>

namespace bacc {

// A masked entry box: digit positions shown with the "_" prompt, literals such as "$" fixed. It tells
// its owner when it gains and loses the keyboard focus, where the game checks what was typed.
class MaskedEdit : public QLineEdit {
    Q_OBJECT
public:
    // mask in QLineEdit form without the prompt, e.g. "999" or "\\$9999"; digitPositions is the
    // selection length used when the box gains the focus.
    MaskedEdit(const QString& objectName, const QString& mask, int digitPositions, QWidget* parent = nullptr);

    // The digits typed, without prompts or literals ("" when none).
    QString Digits() const;
    // The typed number, 0 when empty.
    long long Number() const;
    // Puts a number (or "") into the box.
    void SetDigits(const QString& digits);
    int DigitPositions() const { return digitPositions_; }
    // Selects the digit positions; the boxes do it when they gain the focus.
    void SelectDigits();

signals:
    void GotFocus();
    void LostFocus();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int digitPositions_;
    int literalPrefix_;
};

} // namespace bacc
