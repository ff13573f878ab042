#include "CoachWindow.h"

#include "Palette.h"

#include <cmath>

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QGridLayout>
#include <QLabel>
#include <QLineSeries>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValueAxis>

namespace bacc {
namespace {

QPointer<CoachWindow> openWindow;

// Cents as dollars and cents, "-$1,234.56"; with sign, a gain shows "+".
QString Money(double cents, bool sign = true) {
    const double dollars = std::round(cents) / 100.0;
    const QString text = QStringLiteral("$") + QLocale(QLocale::English).toString(std::fabs(dollars), 'f', 2);
    if (dollars < 0) {
        return QStringLiteral("-") + text;
    }
    return sign && dollars > 0 ? QStringLiteral("+") + text : text;
}

QString Percent(double fraction) {
    return QString::number(100.0 * fraction, 'f', 2) + QStringLiteral(" %");
}

QLabel* Figure(const char* name, int seat, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(IndexedName(name, seat));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(110);
    return label;
}

struct Row {
    const char* caption;
    const char* tip;
};
// The figure rows, in the order of SeatView's labels.
constexpr Row Rows[] = {
    {"Hands bet", nullptr},
    {"Wagered", "The money put on the table; a bet that stands over a tie counts once"},
    {"Won", "What the bets actually won or lost"},
    {"Expected", "What the same bets win or lose on average, from the exact odds of the cards left"},
    {"Luck", "Won less expected: what chance added or took"},
    {"Luck in std. dev.",
     "Luck measured in standard deviations of the result of these bets: within 2 either way is ordinary"},
    {"House edge paid", "The expected loss on each dollar wagered"},
    {"Best bet's edge", "The edge of the best bet of each hand, had the same money gone on it"},
    {"Choice", "What the choice of bets was expected to cost against the best bet of each hand"},
    {"Last hand", "The last hand bet on: expected, then won"},
};

} // namespace

CoachWindow::CoachWindow(QWidget* parent)
    : ChildWindow(QStringLiteral("frmCoach"), QStringLiteral("frmCoach"), true, parent) {
    SetCaption(QStringLiteral("Coach"));
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(2);
    for (int r = 0; r < static_cast<int>(std::size(Rows)); ++r) {
        auto* caption = new QLabel(QString::fromLatin1(Rows[r].caption) + QStringLiteral(":"), this);
        if (Rows[r].tip) {
            caption->setToolTip(QString::fromLatin1(Rows[r].tip));
        }
        grid->addWidget(caption, r + 1, 0);
    }
    auto* reset = new QPushButton(QStringLiteral("&Reset"), this);
    reset->setObjectName(QStringLiteral("cmdReset"));
    reset->setToolTip(QStringLiteral("Start the figures and the charts again from the next hand"));
    connect(reset, &QPushButton::clicked, this, &CoachWindow::cmdReset_Click);
    grid->addWidget(reset, 0, 0, Qt::AlignLeft);

    auto* charts = new QHBoxLayout;
    for (int seat = 0; seat < 2; ++seat) {
        BuildSeat(seat, grid);
        charts->addWidget(seats_[static_cast<std::size_t>(seat)].chart);
        ShowFigures(seat);
    }
    grid->setColumnStretch(3, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->addLayout(grid);
    layout->addLayout(charts, 1);
    SetDesignSize(QSize(660, 560));
    TheGameListeners().Add(this);
}

CoachWindow::~CoachWindow() {
    TheGameListeners().Remove(this);
}

void CoachWindow::BuildSeat(int seat, QGridLayout* grid) {
    SeatView& v = seats_[static_cast<std::size_t>(seat)];
    const QString name = QStringLiteral("PLAYER %1").arg(seat + 1);
    auto* heading = new QLabel(QStringLiteral("<b>%1</b>").arg(name), this);
    heading->setAlignment(Qt::AlignRight);
    grid->addWidget(heading, 0, seat + 1);
    QLabel* SeatView::*const labels[] = {&SeatView::handsBet, &SeatView::wagered,  &SeatView::won,
                                         &SeatView::expected, &SeatView::luck,     &SeatView::luckDeviations,
                                         &SeatView::edgePaid, &SeatView::bestEdge, &SeatView::choice,
                                         &SeatView::lastHand};
    const char* objectNames[] = {"lblHandsBet", "lblWagered", "lblWon",      "lblExpected", "lblLuck",
                                 "lblLuckSD",   "lblEdge",    "lblBestEdge", "lblChoice",   "lblLastHand"};
    for (std::size_t r = 0; r < std::size(labels); ++r) {
        v.*labels[r] = Figure(objectNames[r], seat, this);
        grid->addWidget(v.*labels[r], static_cast<int>(r) + 1, seat + 1);
    }

    auto* chart = new QChart;
    chart->setTitle(name);
    chart->setMargins(QMargins(2, 2, 2, 2));
    chart->legend()->setAlignment(Qt::AlignBottom);
    QFont small = chart->legend()->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    chart->legend()->setFont(small);
    v.hands = new QValueAxis;
    v.hands->setLabelFormat(QStringLiteral("%d"));
    v.hands->setTitleText(QStringLiteral("Hand"));
    v.dollars = new QValueAxis;
    v.dollars->setLabelFormat(QStringLiteral("%.0f"));
    v.dollars->setTitleText(QStringLiteral("$"));
    chart->addAxis(v.hands, Qt::AlignBottom);
    chart->addAxis(v.dollars, Qt::AlignLeft);
    for (QLineSeries*& edge : v.bands) {
        edge = new QLineSeries(chart);
    }
    const auto band = [&](QLineSeries* lower, QLineSeries* upper, const QString& title, int alpha) {
        auto* area = new QAreaSeries(upper, lower);
        area->setName(title);
        QColor colour = palette::PlayerBlue;
        colour.setAlpha(alpha);
        area->setBrush(colour);
        area->setPen(Qt::NoPen);
        chart->addSeries(area);
    };
    band(v.bands[2], v.bands[3], QStringLiteral("\u00b12 SD"), 45);
    band(v.bands[0], v.bands[1], QStringLiteral("\u00b11 SD"), 70);
    v.expectedLine = new QLineSeries;
    v.expectedLine->setName(QStringLiteral("Expected"));
    v.expectedLine->setPen(QPen(palette::PlayerBlue.darker(130), 1.5, Qt::DashLine));
    chart->addSeries(v.expectedLine);
    v.wonLine = new QLineSeries;
    v.wonLine->setName(QStringLiteral("Won"));
    v.wonLine->setPen(QPen(palette::BankerRed, 2));
    chart->addSeries(v.wonLine);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(v.hands);
        series->attachAxis(v.dollars);
    }

    v.chart = new QChartView(chart, this);
    v.chart->setObjectName(IndexedName("chtCoach", seat));
    v.chart->setRenderHint(QPainter::Antialiasing);
    v.chart->setMinimumSize(300, 240);
    ClearChart(seat);
}

void CoachWindow::HandSettled(const HandRecord& record) {
    coach_.Add(record);
    for (int seat = 0; seat < 2; ++seat) {
        ShowFigures(seat);
        AddPoint(seat, coach_.Hands(), coach_.Seat(seat).Points().back());
    }
}

void CoachWindow::cmdReset_Click() {
    coach_.Reset();
    for (int seat = 0; seat < 2; ++seat) {
        ShowFigures(seat);
        ClearChart(seat);
    }
}

void CoachWindow::ShowFigures(int seat) {
    const SeatCoach& c = coach_.Seat(seat);
    SeatView& v = seats_[static_cast<std::size_t>(seat)];
    const bool bet = c.HandsBet() > 0;
    const QString none = QStringLiteral("-");
    v.handsBet->setText(QString::number(c.HandsBet()));
    v.wagered->setText(Money(static_cast<double>(c.Wagered()), false));
    v.won->setText(Money(static_cast<double>(c.Actual())));
    v.expected->setText(bet ? Money(c.Expected()) : none);
    v.luck->setText(bet ? Money(c.Luck()) : none);
    v.luckDeviations->setText(c.Variance() > 0 ? QString::asprintf("%+.2f", c.LuckDeviations()) : none);
    v.edgePaid->setText(bet ? Percent(c.EdgePaid()) : none);
    v.bestEdge->setText(bet ? Percent(c.BestEdge()) : none);
    v.choice->setText(bet ? Money(c.ChoiceCost()) : none);
    const BetWeighing& last = c.LastHand();
    v.lastHand->setText(
        bet ? Money(last.Expected) + QStringLiteral(" / ") + Money(static_cast<double>(last.Actual)) : none);
    // A choice that cost money stands out, like a luck beyond two standard deviations.
    v.choice->setStyleSheet(bet && c.ChoiceCost() <= -0.5 ? QStringLiteral("color: #b01010;") : QString());
    v.luckDeviations->setStyleSheet(std::fabs(c.LuckDeviations()) > 2 ? QStringLiteral("font-weight: bold;")
                                                                      : QString());
}

void CoachWindow::AddPoint(int seat, int hand, const CoachPoint& point) {
    SeatView& v = seats_[static_cast<std::size_t>(seat)];
    const double expected = point.Expected / 100.0;
    const double deviation = std::sqrt(point.Variance) / 100.0;
    const double won = static_cast<double>(point.Actual) / 100.0;
    const auto x = static_cast<double>(hand);
    v.wonLine->append(x, won);
    v.expectedLine->append(x, expected);
    v.bands[0]->append(x, expected - deviation);
    v.bands[1]->append(x, expected + deviation);
    v.bands[2]->append(x, expected - 2 * deviation);
    v.bands[3]->append(x, expected + 2 * deviation);
    v.low = std::min({v.low, won, expected - 2 * deviation});
    v.high = std::max({v.high, won, expected + 2 * deviation});
    v.hands->setRange(0, std::max(hand, 10));
    v.hands->applyNiceNumbers();
    v.dollars->setRange(v.low, v.high);
    v.dollars->applyNiceNumbers();
}

void CoachWindow::ClearChart(int seat) {
    SeatView& v = seats_[static_cast<std::size_t>(seat)];
    for (QLineSeries* series : {v.wonLine, v.expectedLine, v.bands[0], v.bands[1], v.bands[2], v.bands[3]}) {
        series->clear();
        series->append(0, 0);
    }
    v.low = -10;
    v.high = 10;
    v.hands->setRange(0, 10);
    v.hands->applyNiceNumbers();
    v.dollars->setRange(v.low, v.high);
}

CoachWindow* OpenCoach() {
    return OpenOnce(openWindow);
}

CoachWindow* TheCoach() {
    return openWindow;
}

} // namespace bacc
