#pragma once

#include <QColor>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

// Small controls of the table window: pictures that report clicks and moves, the squeeze handles
// beside each card, and the shapes and lines that decorate the felt.
namespace bacc {

// A picture box: its picture is drawn from the top-left corner and clipped when the box shrinks, so a
// card back keeps its top (or left) edge while it is squeezed away.
class PictureBox : public QLabel {
    Q_OBJECT
public:
    explicit PictureBox(const QString& objectName, QWidget* parent = nullptr);

signals:
    void Clicked();
    void MouseMoved();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool pressed_ = false;
};

// A squeeze handle: a thin strip along one edge of a card. While a button is held the strip keeps
// receiving the pointer's moves (Qt's implicit grab), also outside it; positions are reported in twips
// relative to the strip.
class SqueezeHandle : public QLabel {
    Q_OBJECT
public:
    enum class Edge { Bottom, Right };
    SqueezeHandle(const QString& objectName, Edge edge, QWidget* parent = nullptr);

signals:
    void MouseMoved(int xTwips, int yTwips);
    void MouseUp();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    Edge edge_;
    bool hovered_ = false;
};

// A text box that only holds the keyboard focus: it takes the focus like any box but draws nothing, not
// even a blinking cursor.
class FocusHolder : public QLineEdit {
    Q_OBJECT
public:
    explicit FocusHolder(const QString& objectName, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A shape or a line on the felt. It never takes the mouse, so clicks fall through to what lies below.
class TableShape : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Rectangle, RoundedRectangle, HorizontalLine, VerticalLine };
    TableShape(const QString& objectName, Kind kind, QWidget* parent = nullptr);

    void SetBorder(const QColor& colour, qreal width);
    void SetFill(const QColor& colour);
    void SetRadius(qreal pixels) { radius_ = pixels; }
    Kind ShapeKind() const { return kind_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind kind_;
    QColor border_ = Qt::black;
    QColor fill_ = Qt::transparent;
    qreal borderWidth_ = 1.0;
    qreal radius_ = 6.0;
};

} // namespace bacc
