#pragma once

#include <QColor>
#include <QWidget>

namespace bacc {

// A shape of the marking card: the outline of a rectangle or an oval, or a horizontal rule, drawn in one
// colour on a transparent background. It never takes the mouse, so the card beneath stays reachable.
class OutlineShape : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Rectangle, Oval, Line };

    OutlineShape(const QString& objectName, Kind kind, QWidget* parent);

    Kind ShapeKind() const { return kind_; }
    void SetShapeKind(Kind kind);
    QColor BorderColor() const { return border_; }
    void SetBorderColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind kind_;
    QColor border_;
};

} // namespace bacc
