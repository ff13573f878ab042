#include "RoadsWindow.h"

#include "Palette.h"
#include "TableGame.h"

#include <algorithm>
#include <array>

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace bacc {
namespace {

QPointer<RoadsWindow> openWindow;

// The big cell in pixels, always even: the derived roads are drawn in half cells, as casino boards
// draw them. The board is laid out for the design cell and grows with the window.
constexpr int DesignCell = 12;
constexpr int MinimumCell = 8;
// The big road shows at least this many columns however tall the window is.
constexpr int MinimumBigRoadColumns = 24;
constexpr int DesignWidth = MinimumBigRoadColumns * DesignCell + 40;

constexpr std::array<const char*, RoadsWindow::RoadCount> Captions = {"Bead Plate", "Big Road", "Big Eye Boy",
                                                                      "Small Road", "Cockroach Pig"};

QString Percent(double chance) {
    if (chance > 0 && chance < 0.0005) {
        return QStringLiteral("< 0.1 %");
    }
    return QString::number(100.0 * chance, 'f', 1) + QStringLiteral(" %");
}

QLabel* Figure(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

} // namespace

// Lays the roads out for its size and paints them. Each road has a scroll bar of its own, in its
// caption row, shown when the road holds more columns than it has room for; it moves in whole columns
// and stays at the newest ones until it is moved back.
class RoadsWindow::Board : public QWidget {
public:
    explicit Board(const RoadsWindow& window, QWidget* parent) : QWidget(parent), window_(window) {
        setObjectName(QStringLiteral("RoadsBoard"));
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        setMinimumSize(MinimumBigRoadColumns * MinimumCell + 1, HeightFor(MinimumCell));
        for (std::size_t road = 0; road < bars_.size(); ++road) {
            auto* bar = new QScrollBar(Qt::Horizontal, this);
            bar->setObjectName(QStringLiteral("hsb") +
                               QString::fromLatin1(Captions[road]).remove(QLatin1Char(' ')));
            bar->hide();
            connect(bar, &QScrollBar::valueChanged, this, [this, road, bar] {
                if (!placing_) {
                    following_[road] = bar->value() == bar->maximum();
                }
                update();
            });
            bars_[road] = bar;
        }
    }

    // The height the board needs for a big cell of the given size.
    int HeightFor(int cell) const { return 4 * CaptionHeight() + 15 * cell + 1; }
    QSize sizeHint() const override { return {DesignWidth + 1, HeightFor(DesignCell)}; }

    QRect Area(Road road) const { return areas_[road]; }
    int Cell(Road road) const { return road == BeadPlate || road == BigRoad ? cell_ : cell_ / 2; }

    // The roads have changed: every scroll bar that was at the newest columns stays there.
    void Relayout() {
        const int caption = CaptionHeight();
        const int width = this->width() - 1;
        int cell = (height() - 1 - 4 * caption) / 15;
        cell = std::min(cell, width / MinimumBigRoadColumns);
        cell_ = std::max(MinimumCell, cell / 2 * 2);

        int top = 0;
        Place(BigRoad, 0, top, width);
        top += caption + RoadRows * cell_;
        // The bead plate holds a whole eight-deck shoe (about 14 columns) where there is room for it.
        const int left = std::min(width / 2, 16 * cell_);
        Place(BeadPlate, 0, top, left);
        asking_ =
            QRect(0, top + caption + RoadRows * cell_, left, height() - (top + caption + RoadRows * cell_));
        const int right = left + cell_;
        for (Road road : {BigEyeBoy, SmallRoad, CockroachPig}) {
            Place(road, right, top, width - right);
            top += caption + RoadRows * Cell(road);
        }
        update();
    }

protected:
    void resizeEvent(QResizeEvent*) override { Relayout(); }

    void wheelEvent(QWheelEvent* event) override {
        // The wheel scrolls the road under the mouse, a column a notch.
        for (std::size_t road = 0; road < bars_.size(); ++road) {
            if (captions_[road].united(areas_[road]).contains(event->position().toPoint())) {
                const int notches = event->angleDelta().y() / 120;
                bars_[road]->setValue(bars_[road]->value() - notches);
                event->accept();
                return;
            }
        }
        event->ignore();
    }

    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.setRenderHint(QPainter::Antialiasing);
        for (std::size_t index = 0; index < bars_.size(); ++index) {
            const auto road = static_cast<Road>(index);
            painter.setPen(Qt::black);
            painter.setFont(font());
            painter.drawText(captions_[road], Qt::AlignLeft | Qt::AlignVCenter,
                             QString::fromLatin1(Captions[road]));
            const QRect area = areas_[road];
            const int size = Cell(road);
            DrawGrid(painter, area, size);
            const int first = bars_[road]->value();
            const int last = first + area.width() / size;
            for (const RoadCell& cell : Grid(road).Cells) {
                if (cell.Column >= first && cell.Column < last) {
                    const QRectF box(area.left() + (cell.Column - first) * size, area.top() + cell.Row * size,
                                     size, size);
                    DrawCell(painter, box, cell, road);
                }
            }
        }
        DrawAsking(painter);
    }

private:
    int CaptionHeight() const { return fontMetrics().height() + 4; }

    const RoadGrid& Grid(Road road) const { return window_.Grid(road); }

    // A road's caption row at (left, top), its cells under it in whole columns, and its scroll bar
    // beside the caption.
    void Place(Road road, int left, int top, int width) {
        const int caption = CaptionHeight();
        const int size = Cell(road);
        const int columns = std::max(1, width / size);
        captions_[road] = QRect(left, top, width, caption);
        areas_[road] = QRect(left, top + caption, columns * size, RoadRows * size);

        // One empty column stays ahead of the newest marks, for the next hand.
        const int needed = Grid(road).Columns + 1;
        QScrollBar* bar = bars_[road];
        placing_ = true;
        bar->setRange(0, std::max(0, needed - columns));
        bar->setPageStep(columns);
        if (following_[road]) {
            bar->setValue(bar->maximum());
        }
        placing_ = false;
        const int textWidth = fontMetrics().horizontalAdvance(QString::fromLatin1(Captions[road])) + 8;
        bar->setGeometry(left + textWidth, top + 2, std::max(0, columns * size - textWidth), caption - 4);
        bar->setVisible(bar->maximum() > 0);
    }

    static void DrawGrid(QPainter& painter, const QRect& area, int size) {
        painter.setPen(QPen(QColor(205, 205, 215), 1));
        for (int y = area.top(); y <= area.top() + area.height(); y += size) {
            painter.drawLine(area.left(), y, area.left() + area.width(), y);
        }
        for (int x = area.left(); x <= area.left() + area.width(); x += size) {
            painter.drawLine(x, area.top(), x, area.top() + area.height());
        }
    }

    static void DrawLetter(QPainter& painter, const QRectF& disc, const char* letter) {
        painter.setPen(Qt::white);
        QFont font = painter.font();
        font.setPixelSize(std::max(6, static_cast<int>(disc.height() * 0.7)));
        font.setBold(true);
        painter.setFont(font);
        painter.drawText(disc, Qt::AlignCenter, QString::fromLatin1(letter));
    }

    // A derived road's mark as casino boards draw each: the big eye boy a ring, the small road a
    // dot, the cockroach pig a slash.
    static void DrawDerived(QPainter& painter, const QRectF& box, RoadMark mark, Road road) {
        const QColor colour = mark == RoadMark::Red ? palette::BankerRed : palette::PlayerBlue;
        const qreal inset = std::max<qreal>(1.5, box.width() * 0.15);
        const QRectF inner = box.adjusted(inset, inset, -inset, -inset);
        const qreal pen = std::max<qreal>(1.4, box.width() / 6);
        switch (road) {
        case BigEyeBoy:
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(colour, pen));
            painter.drawEllipse(inner);
            break;
        case SmallRoad:
            painter.setPen(Qt::NoPen);
            painter.setBrush(colour);
            painter.drawEllipse(inner);
            break;
        default:
            painter.setPen(QPen(colour, pen, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(inner.bottomLeft(), inner.topRight());
            break;
        }
    }

    static void DrawCell(QPainter& painter, const QRectF& box, const RoadCell& cell, Road road) {
        const QRectF inner = box.adjusted(2, 2, -2, -2);
        switch (cell.Mark) {
        case RoadMark::Banker:
        case RoadMark::Player: {
            const bool banker = cell.Mark == RoadMark::Banker;
            const QColor colour = banker ? palette::BankerRed : palette::PlayerBlue;
            if (road == BeadPlate) {
                // Bead plate: filled discs with their letter.
                painter.setPen(Qt::NoPen);
                painter.setBrush(colour);
                painter.drawEllipse(inner);
                DrawLetter(painter, inner, banker ? "B" : "P");
                break;
            }
            // Big road: hollow rings, the ties of the hand as a green slash across them.
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(colour, std::max(2.0, box.width() / 7)));
            painter.drawEllipse(inner);
            if (cell.Ties > 0) {
                painter.setPen(QPen(palette::NaturalGreen, std::max(2.0, box.width() / 8)));
                painter.drawLine(inner.bottomLeft(), inner.topRight());
                if (cell.Ties > 1) {
                    painter.setPen(Qt::black);
                    QFont font = painter.font();
                    font.setPixelSize(std::max(6, static_cast<int>(box.height() * 0.55)));
                    painter.setFont(font);
                    painter.drawText(inner, Qt::AlignCenter, QString::number(cell.Ties));
                }
            }
            break;
        }
        case RoadMark::Tie:
            painter.setPen(Qt::NoPen);
            painter.setBrush(palette::NaturalGreen);
            painter.drawEllipse(inner);
            if (road == BeadPlate) {
                DrawLetter(painter, inner, "T");
            }
            break;
        case RoadMark::Red:
        case RoadMark::Blue:
            DrawDerived(painter, box, cell.Mark, road);
            break;
        }
    }

    // The asking roads: after a Banker disc and a Player disc, the marks the big eye boy, the small
    // road and the cockroach pig would get from that result next; an empty box where a road would
    // get none.
    void DrawAsking(QPainter& painter) const {
        const int caption = CaptionHeight();
        painter.setPen(Qt::black);
        painter.setFont(font());
        painter.drawText(QRect(asking_.left(), asking_.top(), asking_.width(), caption),
                         Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Next hand asks"));
        const int row = std::min(cell_ + 6, (asking_.height() - caption) / 2);
        const int box = row - 4;
        if (box < 6) {
            return;
        }
        const Roads& roads = window_.Drawn();
        int top = asking_.top() + caption;
        for (RoadMark side : {RoadMark::Banker, RoadMark::Player}) {
            const bool banker = side == RoadMark::Banker;
            const QRectF disc(asking_.left() + 2, top + 2, box, box);
            painter.setPen(Qt::NoPen);
            painter.setBrush(banker ? palette::BankerRed : palette::PlayerBlue);
            painter.drawEllipse(disc.adjusted(1, 1, -1, -1));
            DrawLetter(painter, disc.adjusted(1, 1, -1, -1), banker ? "B" : "P");
            const AskedMarks asked = AskRoads(roads, side);
            for (std::size_t road = 0; road < asked.size(); ++road) {
                const QRectF cell(disc.right() + 8 + static_cast<qreal>(road) * (box + 4), top + 2, box, box);
                painter.setPen(QPen(QColor(205, 205, 215), 1));
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(cell);
                if (asked[road]) {
                    DrawDerived(painter, cell, *asked[road], static_cast<Road>(BigEyeBoy + road));
                }
            }
            top += row;
        }
    }

    const RoadsWindow& window_;
    std::array<QScrollBar*, RoadCount> bars_{};
    std::array<bool, RoadCount> following_{true, true, true, true, true};
    std::array<QRect, RoadCount> captions_;
    std::array<QRect, RoadCount> areas_;
    QRect asking_;
    int cell_ = DesignCell;
    bool placing_ = false;
};

RoadsWindow::RoadsWindow(QWidget* parent)
    : ChildWindow(QStringLiteral("frmRoads"), QStringLiteral("frmRoads"), true, parent) {
    SetCaption(QStringLiteral("Roads"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    board_ = new Board(*this, this);
    layout->addWidget(board_, 1);

    // The trends of the shoe weighed against chance.
    auto* figures = new QGridLayout;
    figures->setHorizontalSpacing(12);
    figures->setVerticalSpacing(1);
    decided_ = Figure("lblRunChanceHeading", this);
    auto* runHeading = new QLabel(QStringLiteral("Longest run"), this);
    runHeading->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    figures->addWidget(runHeading, 0, 1);
    figures->addWidget(decided_, 0, 2);
    bankerRun_ = Figure("lblBankerRun", this);
    playerRun_ = Figure("lblPlayerRun", this);
    bankerChance_ = Figure("lblBankerRunChance", this);
    playerChance_ = Figure("lblPlayerRunChance", this);
    figures->addWidget(new QLabel(QStringLiteral("Banker"), this), 1, 0);
    figures->addWidget(bankerRun_, 1, 1);
    figures->addWidget(bankerChance_, 1, 2);
    figures->addWidget(new QLabel(QStringLiteral("Player"), this), 2, 0);
    figures->addWidget(playerRun_, 2, 1);
    figures->addWidget(playerChance_, 2, 2);
    columns_ = Figure("lblColumns", this);
    expectedColumns_ = Figure("lblExpectedColumns", this);
    expectedColumns_->setToolTip(QStringLiteral(
        "The columns a random order of the same Banker and Player wins gives on average, and its "
        "standard deviation (a runs test)"));
    figures->addWidget(new QLabel(QStringLiteral("Columns"), this), 3, 0);
    figures->addWidget(columns_, 3, 1);
    figures->addWidget(expectedColumns_, 3, 2);
    figures->setColumnStretch(3, 1);
    layout->addLayout(figures);

    TheGameListeners().Add(this);
    Refresh();
    SetDesignSize(layout->sizeHint());
}

RoadsWindow::~RoadsWindow() {
    TheGameListeners().Remove(this);
}

void RoadsWindow::Refresh() {
    results_ = TheTableGame().SeenResults();
    roads_ = BuildRoads(results_);
    ShowRoads();
}

void RoadsWindow::ShowRoads() {
    trends_ = WeighTrends(roads_);
    board_->Relayout();
    const bool decided = trends_.Decided > 0;
    decided_->setText(trends_.Decided == 1 ? QStringLiteral("Chance in 1 hand")
                                           : QStringLiteral("Chance in %1 hands").arg(trends_.Decided));
    const QString none = QStringLiteral("-");
    const QString runTip =
        decided ? QStringLiteral(
                      "Worked out exactly: the chance that %1 hands, each won by Banker as often as in this "
                      "shoe (%2), hold a run at least this long somewhere")
                      .arg(trends_.Decided)
                      .arg(Percent(static_cast<double>(trends_.Banker) / trends_.Decided))
                : QString();
    for (QLabel* label : {decided_, bankerChance_, playerChance_}) {
        label->setToolTip(runTip);
    }
    bankerRun_->setText(QString::number(trends_.LongestBanker));
    playerRun_->setText(QString::number(trends_.LongestPlayer));
    bankerChance_->setText(trends_.LongestBanker > 0 ? Percent(trends_.BankerRunChance) : none);
    playerChance_->setText(trends_.LongestPlayer > 0 ? Percent(trends_.PlayerRunChance) : none);
    columns_->setText(QString::number(trends_.Columns));
    expectedColumns_->setText(decided ? QStringLiteral("by chance %1 \u00b1 %2")
                                            .arg(trends_.ExpectedColumns, 0, 'f', 1)
                                            .arg(trends_.ColumnsDeviation, 0, 'f', 1)
                                      : none);
}

const RoadGrid& RoadsWindow::Grid(Road road) const {
    switch (road) {
    case BeadPlate:
        return roads_.BeadPlate;
    case BigRoad:
        return roads_.BigRoad;
    default:
        return roads_.Derived[static_cast<std::size_t>(road - BigEyeBoy)];
    }
}

QRect RoadsWindow::RoadArea(Road road) const {
    return board_->Area(road);
}

int RoadsWindow::CellSize(Road road) const {
    return board_->Cell(road);
}

RoadsWindow* OpenRoads() {
    return OpenOnce(openWindow);
}

RoadsWindow* TheRoads() {
    return openWindow;
}

} // namespace bacc
