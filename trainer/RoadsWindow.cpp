#include "RoadsWindow.h"

#include "Palette.h"
#include "TableGame.h"

#include <algorithm>

#include <QPainter>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace bacc {
namespace {

QPointer<RoadsWindow> openWindow;

// Cell sizes in pixels: the bead plate and the big road in full cells, the derived roads in half cells
// as casino boards draw them.
constexpr int BigCell = 14;
constexpr int SmallCell = 7;
constexpr int LabelHeight = 14;
constexpr int Gap = 6;

struct Strip {
    const char* caption;
    const RoadGrid* grid;
    int cell;
};

} // namespace

// Paints the roads one under the other, each with its caption, in a grid of six rows.
class RoadsWindow::Board : public QWidget {
public:
    explicit Board(const RoadsWindow& window, QWidget* parent) : QWidget(parent), window_(window) {
        setObjectName(QStringLiteral("RoadsBoard"));
    }

    std::array<Strip, 5> Strips() const {
        const Roads& roads = window_.Drawn();
        return {{{"Bead Plate", &roads.BeadPlate, BigCell},
                 {"Big Road", &roads.BigRoad, BigCell},
                 {"Big Eye Boy", &roads.Of(DerivedRoad::BigEyeBoy), SmallCell},
                 {"Small Road", &roads.Of(DerivedRoad::SmallRoad), SmallCell},
                 {"Cockroach Pig", &roads.Of(DerivedRoad::CockroachPig), SmallCell}}};
    }

    QSize sizeHint() const override {
        int width = 0;
        int height = 0;
        for (const Strip& strip : Strips()) {
            // A few empty columns stay ahead of the last mark, as on a real board.
            width = std::max(width, (strip.grid->Columns + 6) * strip.cell);
            height += LabelHeight + RoadRows * strip.cell + Gap;
        }
        return {std::max(width, 36 * BigCell) + 2, height};
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.setRenderHint(QPainter::Antialiasing);
        int top = 0;
        // The captions stay at the left edge of what is in view while the board scrolls.
        const int captionLeft = visibleRegion().boundingRect().left() + 2;
        for (const Strip& strip : Strips()) {
            painter.setPen(Qt::black);
            painter.setFont(font());
            painter.drawText(QRect(captionLeft, top, width(), LabelHeight), Qt::AlignLeft | Qt::AlignVCenter,
                             QString::fromLatin1(strip.caption));
            top += LabelHeight;
            DrawGrid(painter, top, strip.cell);
            for (const RoadCell& cell : strip.grid->Cells) {
                DrawCell(
                    painter,
                    QRectF(1 + cell.Column * strip.cell, top + cell.Row * strip.cell, strip.cell, strip.cell),
                    cell, strip.grid == &window_.Drawn().BeadPlate);
            }
            top += RoadRows * strip.cell + Gap;
        }
    }

private:
    void DrawGrid(QPainter& painter, int top, int cell) const {
        painter.setPen(QPen(QColor(205, 205, 215), 1));
        for (int row = 0; row <= RoadRows; ++row) {
            painter.drawLine(1, top + row * cell, width(), top + row * cell);
        }
        for (int x = 1; x < width(); x += cell) {
            painter.drawLine(x, top, x, top + RoadRows * cell);
        }
    }

    static void DrawCell(QPainter& painter, const QRectF& box, const RoadCell& cell, bool bead) {
        const QRectF inner = box.adjusted(2, 2, -2, -2);
        const QColor banker = palette::BankerRed;
        const QColor player = palette::PlayerBlue;
        switch (cell.Mark) {
        case RoadMark::Banker:
        case RoadMark::Player: {
            const QColor colour = cell.Mark == RoadMark::Banker ? banker : player;
            if (bead) {
                // Bead plate: filled discs with their letter.
                painter.setPen(Qt::NoPen);
                painter.setBrush(colour);
                painter.drawEllipse(inner);
                painter.setPen(Qt::white);
                QFont font = painter.font();
                font.setPixelSize(static_cast<int>(inner.height() * 0.7));
                font.setBold(true);
                painter.setFont(font);
                painter.drawText(inner, Qt::AlignCenter, cell.Mark == RoadMark::Banker ? "B" : "P");
            } else {
                // Big road: hollow rings, the ties of the hand as a green slash across them.
                painter.setBrush(Qt::NoBrush);
                painter.setPen(QPen(colour, 2.2));
                painter.drawEllipse(inner);
                if (cell.Ties > 0) {
                    painter.setPen(QPen(palette::NaturalGreen, 2));
                    painter.drawLine(inner.bottomLeft(), inner.topRight());
                    if (cell.Ties > 1) {
                        QFont font = painter.font();
                        font.setPixelSize(static_cast<int>(box.height() * 0.55));
                        painter.setFont(font);
                        painter.drawText(inner, Qt::AlignCenter, QString::number(cell.Ties));
                    }
                }
            }
            break;
        }
        case RoadMark::Tie:
            painter.setPen(Qt::NoPen);
            painter.setBrush(palette::NaturalGreen);
            painter.drawEllipse(inner);
            if (bead) {
                painter.setPen(Qt::white);
                QFont font = painter.font();
                font.setPixelSize(static_cast<int>(inner.height() * 0.7));
                font.setBold(true);
                painter.setFont(font);
                painter.drawText(inner, Qt::AlignCenter, "T");
            }
            break;
        case RoadMark::Red:
        case RoadMark::Blue:
            // Derived roads: small rings; the cockroach pig's slashes read the same to most players.
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(cell.Mark == RoadMark::Red ? banker : player, 1.6));
            painter.drawEllipse(box.adjusted(1.5, 1.5, -1.5, -1.5));
            break;
        }
    }

    const RoadsWindow& window_;
};

RoadsWindow::RoadsWindow(QWidget* parent)
    : ChildWindow(QStringLiteral("frmRoads"), QStringLiteral("frmRoads"), true, parent) {
    SetCaption(QStringLiteral("Roads"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("RoadsScroll"));
    board_ = new Board(*this, scroll_);
    scroll_->setWidget(board_);
    scroll_->setWidgetResizable(false);
    // The captions move with the view: the whole board is drawn again when it scrolls.
    connect(scroll_->horizontalScrollBar(), &QScrollBar::valueChanged, board_, qOverload<>(&QWidget::update));
    layout->addWidget(scroll_);
    TheGameListeners().Add(this);
    Refresh();
    SetDesignSize(QSize(36 * BigCell + 24, board_->sizeHint().height() + 20));
}

RoadsWindow::~RoadsWindow() {
    TheGameListeners().Remove(this);
}

void RoadsWindow::Refresh() {
    results_ = TheTableGame().SeenResults();
    roads_ = BuildRoads(results_);
    board_->resize(board_->sizeHint());
    board_->update();
    // The newest marks stay in sight as the shoe grows.
    scroll_->horizontalScrollBar()->setValue(scroll_->horizontalScrollBar()->maximum());
}

RoadsWindow* OpenRoads() {
    return OpenOnce(openWindow);
}

RoadsWindow* TheRoads() {
    return openWindow;
}

} // namespace bacc
