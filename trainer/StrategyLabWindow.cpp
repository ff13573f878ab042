#include "StrategyLabWindow.h"

#include "IniFile.h"
#include "LabChecks.h"
#include "NumberText.h"
#include "Palette.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <fstream>
#include <thread>

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>
#include <QValueAxis>
#include <QtConcurrent/QtConcurrentRun>

namespace bacc {
namespace {

QPointer<StrategyLabWindow> openWindow;

const QString Section = QStringLiteral("StrategyLab");
const int DeckSizes[] = {1, 2, 4, 6, 8};
// Single sessions drawn thinly over the bands.
constexpr int SampleSessions = 5;

QSpinBox* DollarBox(const char* name, int low, int high, int value, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setRange(low, high);
    box->setValue(value);
    box->setPrefix(QStringLiteral("$"));
    box->setGroupSeparatorShown(true);
    return box;
}

QSpinBox* CountBox(const char* name, int low, int high, int value, QWidget* parent) {
    auto* box = DollarBox(name, low, high, value, parent);
    box->setPrefix(QString());
    return box;
}

QString Money(WideCents cents) {
    return QString::fromStdString(FormatMoney(static_cast<double>(cents) / CentsPerDollar));
}

double Dollars(Cents cents) {
    return static_cast<double>(cents) / CentsPerDollar;
}

// "Martingale on Banker".
QString StudyName(const LabParameters& p) {
    return QStringLiteral("%1 on %2")
        .arg(QString::fromStdString(std::string(TitleOf(p.system))),
             QString::fromStdString(std::string(TitleOf(p.side))));
}

// A difference with its paired and unpaired standard errors: "+$12.50 (±$3.10 paired, ±$9.80 apart)".
QString DifferenceText(const Difference& d, double scale, const char* unit) {
    const auto number = [&](double value, const char* sign) {
        if (std::isnan(value)) {
            return QStringLiteral("?");
        }
        const QString digits = QString::number(std::abs(value) / scale, 'f', 2);
        return QString::fromLatin1(value < 0 ? "-" : sign) + (*unit == '$' ? "$" + digits : digits + unit);
    };
    return QStringLiteral("<b>%1</b> (&plusmn;%2 paired, &plusmn;%3 apart)")
        .arg(number(d.value, d.value > 0 ? "+" : ""), number(d.sePaired, ""), number(d.seUnpaired, ""));
}

} // namespace

StrategyLabWindow::StrategyLabWindow(QWidget* parent)
    : ChildWindow(QStringLiteral("frmStrategyLab"), QStringLiteral("frmStrategyLab"), true, parent) {
    SetCaption(QStringLiteral("Strategy Lab"));
    BuildControls();
    LoadChoices();
    connect(&watcher_, &QFutureWatcher<ComparisonResult>::finished, this, [this] {
        ComparisonResult studies = watcher_.result();
        result_ = std::move(studies.first);
        versusResult_ = std::move(studies.second);
        if (versusStudied_) {
            comparison_ = studies.difference;
        }
        // The sessions' own figures were kept only to be paired.
        result_.bySession = {};
        versusResult_.bySession = {};
        ShowResult();
        emit Finished();
    });
    SetDesignSize(QSize(1290, 560));
}

StrategyLabWindow::~StrategyLabWindow() {
    // A study still running is stopped and waited for: its threads read this window's counters.
    cancelled_ = true;
    watcher_.waitForFinished();
}

void StrategyLabWindow::BuildControls() {
    auto* form = new QFormLayout;
    system_ = new QComboBox(this);
    system_->setObjectName(QStringLiteral("cboSystem"));
    for (const SystemKind kind : AllSystems) {
        system_->addItem(QString::fromStdString(std::string(TitleOf(kind))));
    }
    side_ = new QComboBox(this);
    side_->setObjectName(QStringLiteral("cboSide"));
    for (const BetSide side : AllSides) {
        side_->addItem(QString::fromStdString(std::string(TitleOf(side))));
    }
    versusSystem_ = new QComboBox(this);
    versusSystem_->setObjectName(QStringLiteral("cboVersusSystem"));
    versusSystem_->addItem(QStringLiteral("nothing"));
    for (const SystemKind kind : AllSystems) {
        versusSystem_->addItem(QString::fromStdString(std::string(TitleOf(kind))));
    }
    versusSystem_->setToolTip(QStringLiteral(
        "Plays a second system over exactly the same shoes and compares the two session by session"));
    versusSide_ = new QComboBox(this);
    versusSide_->setObjectName(QStringLiteral("cboVersusSide"));
    for (const BetSide side : AllSides) {
        versusSide_->addItem(QString::fromStdString(std::string(TitleOf(side))));
    }
    versusSide_->setEnabled(false);
    connect(versusSystem_, &QComboBox::currentIndexChanged, this,
            [this](int index) { versusSide_->setEnabled(index > 0); });
    decks_ = new QComboBox(this);
    decks_->setObjectName(QStringLiteral("cboDecks"));
    for (int decks : DeckSizes) {
        decks_->addItem(QStringLiteral("%1 deck%2").arg(decks).arg(decks > 1 ? "s" : ""));
    }
    decks_->setCurrentIndex(4);
    unit_ = DollarBox("spnUnit", 1, 100000, 10, this);
    bankroll_ = DollarBox("spnBankroll", 1, 100000000, 1000, this);
    minimum_ = DollarBox("spnMinimum", 0, 100000, 0, this);
    minimum_->setSpecialValueText(QStringLiteral("the unit"));
    maximum_ = DollarBox("spnMaximum", 0, 100000000, 0, this);
    maximum_->setSpecialValueText(QStringLiteral("none"));
    sessions_ = CountBox("spnSessions", 1, 200000, 10000, this);
    sessionShoes_ = CountBox("spnSessionShoes", 1, 1000, 1, this);
    stopWin_ = DollarBox("spnStopWin", 0, 100000000, 0, this);
    stopWin_->setSpecialValueText(QStringLiteral("none"));
    stopLoss_ = DollarBox("spnStopLoss", 0, 100000000, 0, this);
    stopLoss_->setSpecialValueText(QStringLiteral("none"));
    form->addRow(QStringLiteral("&System:"), system_);
    form->addRow(QStringLiteral("B&et on:"), side_);
    form->addRow(QStringLiteral("&Unit:"), unit_);
    form->addRow(QStringLiteral("&Bankroll:"), bankroll_);
    form->addRow(QStringLiteral("Table mi&nimum:"), minimum_);
    form->addRow(QStringLiteral("Table ma&ximum:"), maximum_);
    form->addRow(QStringLiteral("Stop at a &win of:"), stopWin_);
    form->addRow(QStringLiteral("Stop at a &loss of:"), stopLoss_);
    form->addRow(QStringLiteral("Sess&ions:"), sessions_);
    form->addRow(QStringLiteral("Shoes per sessi&on:"), sessionShoes_);
    form->addRow(QStringLiteral("Shoe si&ze:"), decks_);
    seed_ = CountBox("spnSeed", 0, 2000000000, 0, this);
    seed_->setSpecialValueText(QStringLiteral("new each run"));
    seed_->setToolTip(
        QStringLiteral("The same seed plays the same shoes again, so two systems can be compared"));
    form->addRow(QStringLiteral("S&eed:"), seed_);
    form->addRow(QStringLiteral("Compare wi&th:"), versusSystem_);
    form->addRow(QStringLiteral("Which bets o&n:"), versusSide_);

    run_ = new QPushButton(QStringLiteral("&Run"), this);
    run_->setObjectName(QStringLiteral("cmdRun"));
    run_->setDefault(true);
    cancel_ = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel_->setObjectName(QStringLiteral("cmdCancel"));
    cancel_->setEnabled(false);
    save_ = new QPushButton(QStringLiteral("Sa&ve as CSV..."), this);
    save_->setObjectName(QStringLiteral("cmdSave"));
    save_->setEnabled(false);
    connect(run_, &QPushButton::clicked, this, &StrategyLabWindow::cmdRun_Click);
    connect(cancel_, &QPushButton::clicked, this, &StrategyLabWindow::cmdCancel_Click);
    connect(save_, &QPushButton::clicked, this, &StrategyLabWindow::cmdSave_Click);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(run_);
    buttons->addWidget(cancel_);
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("prgRun"));
    progress_->setRange(0, 1000);
    progress_->setValue(0);
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("lblSummary"));
    summary_->setWordWrap(true);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    summary_->setAlignment(Qt::AlignTop | Qt::AlignLeft);

    // The summary has a column of its own and scrolls there: however long it is, the form keeps its
    // size and place, and Run and Cancel stay where they were clicked.
    auto* summaryArea = new QScrollArea(this);
    summaryArea->setObjectName(QStringLiteral("scrSummary"));
    summaryArea->setWidget(summary_);
    summaryArea->setWidgetResizable(true);
    summaryArea->setFrameShape(QFrame::NoFrame);
    summaryArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    summaryArea->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Ignored);
    summaryArea->setFixedWidth(310);

    auto* left = new QVBoxLayout;
    left->addLayout(form);
    left->addLayout(buttons);
    left->addWidget(progress_);
    left->addWidget(save_);
    left->addStretch(1);

    chart_ = new QChartView(this);
    chart_->setObjectName(QStringLiteral("chtBankroll"));
    chart_->setRenderHint(QPainter::Antialiasing);
    chart_->setMinimumSize(480, 360);
    chart_->chart()->setTitle(QStringLiteral("Bankroll over the hands of a session"));

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addWidget(summaryArea);
    layout->addWidget(chart_, 1);
}

LabParameters StrategyLabWindow::Parameters() const {
    LabParameters p;
    p.system = AllSystems[static_cast<std::size_t>(system_->currentIndex())];
    p.side = AllSides[static_cast<std::size_t>(side_->currentIndex())];
    const Cents unit = Cents{unit_->value()} * CentsPerDollar;
    p.limits = {unit, minimum_->value() > 0 ? Cents{minimum_->value()} * CentsPerDollar : unit,
                Cents{maximum_->value()} * CentsPerDollar};
    p.bankroll = Cents{bankroll_->value()} * CentsPerDollar;
    p.sessions = static_cast<std::uint64_t>(sessions_->value());
    p.shoesPerSession = sessionShoes_->value();
    p.stopWin = Cents{stopWin_->value()} * CentsPerDollar;
    p.stopLoss = Cents{stopLoss_->value()} * CentsPerDollar;
    p.decks = DeckSizes[decks_->currentIndex()];
    p.threads = std::max(std::thread::hardware_concurrency(), 1u);
    p.curve = true;
    p.pathSessions = SampleSessions;
    return p;
}

void StrategyLabWindow::cmdRun_Click() {
    if (Running()) {
        return;
    }
    LabParameters p = Parameters();
    if (const std::optional<LabProblem> problem = CheckLab(p)) {
        QString text = QString::fromStdString(problem->message);
        text[0] = text[0].toUpper();
        summary_->setText(text + QLatin1Char('.'));
        return;
    }
    // Without a seed of the player's, each study plays new shoes; the seed used is shown, so a study can
    // be played again.
    p.seed = seed_->value() > 0
                 ? static_cast<std::uint64_t>(seed_->value())
                 : static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    studied_ = p;
    const auto versus = Versus();
    versusStudied_.reset();
    comparison_.reset();
    if (versus) {
        versusStudied_ = p;
        versusStudied_->system = versus->first;
        versusStudied_->side = versus->second;
    }
    StoreChoices();
    cancelled_ = false;
    shoesDone_ = 0;
    shoesToDo_ = p.sessions * static_cast<std::uint64_t>(p.shoesPerSession) * (versus ? 2 : 1);
    run_->setEnabled(false);
    save_->setEnabled(false);
    cancel_->setEnabled(true);
    progress_->setValue(0);
    summary_->setText(QStringLiteral("Playing %1 sessions%2...")
                          .arg(p.sessions)
                          .arg(versus ? QStringLiteral(" of each system") : QString()));
    // The last study's chart goes at once: it is not this study's. Hidden rather than removed: a chart
    // drawn empty between two studies kept memory that Qt Charts never gave back (about 2.5 MB a study).
    for (QAbstractSeries* series : chart_->chart()->series()) {
        series->hide();
    }
    for (QAbstractAxis* axis : chart_->chart()->axes()) {
        axis->hide();
    }

    RunControl control;
    control.cancel = &cancelled_;
    control.progress = [this](std::uint64_t done, std::uint64_t) { shoesDone_ = done; };
    watcher_.setFuture(QtConcurrent::run([p, control, versus] {
        if (versus) {
            return RunComparison(p, versus->first, versus->second, control);
        }
        ComparisonResult single;
        single.first = RunLab(p, control);
        return single;
    }));
    // The bar follows the worker's count; the window's thread never waits on it.
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [this, timer] {
        if (!Running()) {
            timer->deleteLater();
            return;
        }
        const double share =
            shoesToDo_ ? static_cast<double>(shoesDone_.load()) / static_cast<double>(shoesToDo_) : 0;
        progress_->setValue(static_cast<int>(1000 * std::min(share, 1.0)));
    });
    timer->start(50);
}

void StrategyLabWindow::cmdCancel_Click() {
    cancelled_ = true;
}

bool StrategyLabWindow::Compared() const {
    return comparison_ && comparison_->pairs > 0;
}

std::optional<std::pair<SystemKind, BetSide>> StrategyLabWindow::Versus() const {
    if (versusSystem_->currentIndex() <= 0) {
        return std::nullopt;
    }
    return std::pair{AllSystems[static_cast<std::size_t>(versusSystem_->currentIndex() - 1)],
                     AllSides[static_cast<std::size_t>(versusSide_->currentIndex())]};
}

void StrategyLabWindow::ShowResult() {
    run_->setEnabled(true);
    cancel_->setEnabled(false);
    progress_->setValue(result_.interrupted ? progress_->value() : 1000);
    save_->setEnabled(!result_.curve.empty());
    if (Compared()) {
        summary_->setText(ComparisonSummary());
    } else {
        summary_->setText(StudySummary() +
                          (comparison_ ? QStringLiteral("<br><b>Cancelled before the second system played a "
                                                        "session:</b> nothing to compare.")
                                       : QString()));
    }
    DrawChart();
}

QString StrategyLabWindow::StudySummary() const {
    const LabResult& r = result_;
    const double ruin =
        r.sessions ? 100.0 * static_cast<double>(r.ruined) / static_cast<double>(r.sessions) : 0;
    QString text;
    if (r.interrupted) {
        text += QStringLiteral("<b>Cancelled</b> after %1 sessions.<br>").arg(r.sessions);
    }
    text += QStringLiteral("<b>%1</b> sessions, %2 hands, seed %3<br>")
                .arg(r.sessions)
                .arg(r.counts.hands)
                .arg(studied_.seed);
    text += QStringLiteral("Wagered %1, net %2<br>").arg(Money(r.wagered), Money(r.net));
    text +=
        QStringLiteral("House edge: <b>%1 %</b> of the money wagered<br>").arg(100.0 * r.Edge(), 0, 'f', 3);
    text += QStringLiteral("Ruined: <b>%1</b> sessions (%2 %)<br>").arg(r.ruined).arg(ruin, 0, 'f', 1);
    text += QStringLiteral("Final bankroll:<br>");
    for (std::size_t i = 0; i < r.finalBankroll.size(); ++i) {
        text += QStringLiteral("&nbsp;&nbsp;%1 %: %2<br>")
                    .arg(ReportedPercentiles[i])
                    .arg(Money(r.finalBankroll[i]));
    }
    text += QStringLiteral("Median worst drawdown: %1").arg(Money(r.medianMaxDrawdown));
    return text;
}

// The two studies side by side, then how they differ over the sessions both played.
QString StrategyLabWindow::ComparisonSummary() const {
    const LabResult& a = result_;
    const LabResult& b = versusResult_;
    const Comparison& c = *comparison_;
    QString text;
    if (a.interrupted || b.interrupted) {
        text += QStringLiteral("<b>Cancelled</b>: %1 sessions played by both.<br>").arg(c.pairs);
    }
    text += QStringLiteral("<b>1</b> %1 against <b>2</b> %2 over the same shoes, seed %3<br>")
                .arg(StudyName(studied_), StudyName(*versusStudied_))
                .arg(studied_.seed);
    const auto row = [](const QString& name, const QString& first, const QString& second) {
        return QStringLiteral(
                   "<tr><td>%1</td><td align=right>&nbsp;%2</td><td align=right>&nbsp;%3</td></tr>")
            .arg(name, first, second);
    };
    const auto ruin = [](const LabResult& r) {
        return QStringLiteral("%1 (%2 %)")
            .arg(r.ruined)
            .arg(r.sessions ? 100.0 * static_cast<double>(r.ruined) / static_cast<double>(r.sessions) : 0, 0,
                 'f', 1);
    };
    text += QStringLiteral("<table cellspacing=0>");
    text += row(QString(), QStringLiteral("<b>1</b>"), QStringLiteral("<b>2</b>"));
    text += row(QStringLiteral("Sessions"), QString::number(a.sessions), QString::number(b.sessions));
    text += row(QStringLiteral("Hands"), QString::number(a.counts.hands), QString::number(b.counts.hands));
    text += row(QStringLiteral("Wagered"), Money(a.wagered), Money(b.wagered));
    text += row(QStringLiteral("Net"), Money(a.net), Money(b.net));
    text += row(QStringLiteral("House edge"), QStringLiteral("%1 %").arg(100.0 * a.Edge(), 0, 'f', 3),
                QStringLiteral("%1 %").arg(100.0 * b.Edge(), 0, 'f', 3));
    text += row(QStringLiteral("Ruined"), ruin(a), ruin(b));
    for (std::size_t i = 0; i < a.finalBankroll.size(); ++i) {
        text += row(QStringLiteral("Final bankroll %1 %").arg(ReportedPercentiles[i]),
                    Money(a.finalBankroll[i]), Money(b.finalBankroll[i]));
    }
    text +=
        row(QStringLiteral("Median worst drawdown"), Money(a.medianMaxDrawdown), Money(b.medianMaxDrawdown));
    text += QStringLiteral("</table><br><b>1 less 2</b>, session by session over %1 sessions, with the "
                           "standard error paired and as if played apart:<br>")
                .arg(c.pairs);
    text += QStringLiteral("Mean final bankroll: %1<br>")
                .arg(DifferenceText(c.meanFinalBankroll, CentsPerDollar, "$"));
    text += QStringLiteral("Ruin rate: %1<br>").arg(DifferenceText(c.ruinRate, 0.01, " %"));
    text += QStringLiteral("Median worst drawdown: %1")
                .arg(DifferenceText(c.medianDrawdown, CentsPerDollar, "$"));
    return text;
}

void StrategyLabWindow::ClearChart() {
    QChart* chart = chart_->chart();
    // Deletes each series with the lines of its bands, which it owns.
    chart->removeAllSeries();
    // A removed axis is handed back, not deleted.
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
}

void StrategyLabWindow::DrawChart() {
    ClearChart();
    QChart* chart = chart_->chart();
    if (result_.curve.empty()) {
        return;
    }
    if (Compared()) {
        // Both studies' bands and medians, each in its own colour; single sessions would only clutter.
        DrawStudy(result_, QStringLiteral("1: "), palette::PlayerBlue, palette::BankerRed, false);
        DrawStudy(versusResult_, QStringLiteral("2: "), palette::Gold, palette::NaturalGreen, false);
    } else {
        DrawStudy(result_, QString(), palette::PlayerBlue, palette::BankerRed, true);
    }

    chart->createDefaultAxes();
    const auto horizontal = chart->axes(Qt::Horizontal);
    const auto vertical = chart->axes(Qt::Vertical);
    const auto name = [](const QList<QAbstractAxis*>& axes, const QString& title) {
        if (auto* axis = axes.isEmpty() ? nullptr : qobject_cast<QValueAxis*>(axes.first())) {
            axis->setTitleText(title);
            axis->setLabelFormat(QStringLiteral("%d"));
            axis->applyNiceNumbers();
        }
    };
    name(horizontal, QStringLiteral("Hand of the session"));
    name(vertical, QStringLiteral("Bankroll ($)"));
    // Only the bands and the medians are named: the single sessions stay out of the legend.
    const auto markers = chart->legend()->markers();
    for (QLegendMarker* marker : markers) {
        marker->setVisible(!marker->label().isEmpty());
    }
}

// One study's 5-95 % and 25-75 % bands, its median on top and, if asked, its first single sessions.
void StrategyLabWindow::DrawStudy(const LabResult& study, const QString& label, QColor bands, QColor median,
                                  bool paths) {
    QChart* chart = chart_->chart();
    const std::vector<Spread>& curve = study.curve;
    const auto line = [&](std::size_t percentile) {
        auto* series = new QLineSeries;
        series->append(0, Dollars(studied_.bankroll));
        for (std::size_t h = 0; h < curve.size(); ++h) {
            series->append(static_cast<double>(h + 1), Dollars(curve[h][percentile]));
        }
        return series;
    };
    const auto band = [&](std::size_t low, std::size_t high, const QString& name, QColor colour) {
        QLineSeries* upper = line(high);
        QLineSeries* lower = line(low);
        auto* area = new QAreaSeries(upper, lower);
        // The area series only points at its lines: as its children they go with it.
        upper->setParent(area);
        lower->setParent(area);
        area->setName(label + name);
        colour.setAlpha(90);
        area->setBrush(colour);
        area->setPen(Qt::NoPen);
        chart->addSeries(area);
    };
    band(0, 4, QStringLiteral("5-95 %"), bands.lighter(160));
    band(1, 3, QStringLiteral("25-75 %"), bands);
    if (paths) {
        for (const std::vector<Cents>& path : study.paths) {
            auto* series = new QLineSeries;
            series->append(0, Dollars(studied_.bankroll));
            for (std::size_t h = 0; h < path.size(); ++h) {
                series->append(static_cast<double>(h + 1), Dollars(path[h]));
            }
            series->setPen(QPen(QColor(120, 120, 120, 150), 1));
            chart->addSeries(series);
        }
    }
    QLineSeries* middle = line(2);
    middle->setName(label + QStringLiteral("Median"));
    middle->setPen(QPen(median, 2.5));
    chart->addSeries(middle);
}

bool StrategyLabWindow::SaveCurve(const QString& path) const {
    if (result_.curve.empty()) {
        return false;
    }
    std::ofstream out(path.toStdString());
    WriteCurveCsv(out, result_.curve);
    out.close();
    return static_cast<bool>(out);
}

void StrategyLabWindow::cmdSave_Click() {
    const QString path =
        QFileDialog::getSaveFileName(this, QStringLiteral("Save the bankroll curve"),
                                     QStringLiteral("strategy.csv"), QStringLiteral("CSV files (*.csv)"));
    if (!path.isEmpty() && !SaveCurve(path)) {
        summary_->setText(summary_->text() + QStringLiteral("<br><b>The file could not be written.</b>"));
    }
}

// The spin boxes kept in the settings file, each under its key.
const std::array<std::pair<QSpinBox * StrategyLabWindow::*, const char*>, 9>& StrategyLabWindow::KeptBoxes() {
    static const std::array<std::pair<QSpinBox * StrategyLabWindow::*, const char*>, 9> boxes{{
        {&StrategyLabWindow::unit_, "Unit"},
        {&StrategyLabWindow::bankroll_, "Bankroll"},
        {&StrategyLabWindow::minimum_, "Minimum"},
        {&StrategyLabWindow::maximum_, "Maximum"},
        {&StrategyLabWindow::sessions_, "Sessions"},
        {&StrategyLabWindow::sessionShoes_, "SessionShoes"},
        {&StrategyLabWindow::stopWin_, "StopWin"},
        {&StrategyLabWindow::stopLoss_, "StopLoss"},
        {&StrategyLabWindow::seed_, "Seed"},
    }};
    return boxes;
}

void StrategyLabWindow::LoadChoices() {
    // A stored value that is not a whole number within the control's range (a hand-edited "1e300", "2.5"
    // or "-4") leaves the control at its default.
    const auto number = [](const char* key, int fallback, int low, int high) {
        const std::optional<double> stored = StrictNumber(ReadIni(Section, QLatin1String(key)).toStdString());
        return stored && *stored >= low && *stored <= high && *stored == std::floor(*stored)
                   ? static_cast<int>(*stored)
                   : fallback;
    };
    for (auto [box, key] : {std::pair{system_, "System"},
                            {side_, "Side"},
                            {decks_, "Decks"},
                            {versusSystem_, "VersusSystem"},
                            {versusSide_, "VersusSide"}}) {
        box->setCurrentIndex(number(key, box->currentIndex(), 0, box->count() - 1));
    }
    for (const auto& [member, key] : KeptBoxes()) {
        QSpinBox* box = this->*member;
        box->setValue(number(key, box->value(), box->minimum(), box->maximum()));
    }
}

void StrategyLabWindow::StoreChoices() const {
    std::vector<IniValue> values;
    const auto add = [&](const char* key, int value) {
        values.push_back({Section, QLatin1String(key), IniNumber(value)});
    };
    add("System", system_->currentIndex());
    add("Side", side_->currentIndex());
    add("Decks", decks_->currentIndex());
    add("VersusSystem", versusSystem_->currentIndex());
    add("VersusSide", versusSide_->currentIndex());
    for (const auto& [box, key] : KeptBoxes()) {
        add(key, (this->*box)->value());
    }
    WriteIniValues(values);
}

bool StrategyLabWindow::Form_Unload() {
    cancelled_ = true;
    SavePosition();
    return true;
}

StrategyLabWindow* OpenStrategyLab() {
    return OpenOnce(openWindow);
}

StrategyLabWindow* TheStrategyLab() {
    return openWindow;
}

} // namespace bacc
