#pragma once

#include <QLabel>

namespace bacc {

// A label that reports clicks, like the table's bet increment labels.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(const QString& objectName, const QString& caption = QString(),
                        QWidget* parent = nullptr);

signals:
    void Clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace bacc
