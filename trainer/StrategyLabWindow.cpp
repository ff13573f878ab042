#include "StrategyLabWindow.h"

#include "IniFile.h"
#include "NumberText.h"
#include "Palette.h"

#include <algorithm>
#include <chrono>
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
const char* const Systems[] = {"flat", "martingale", "paroli", "dalembert", "fibonacci", "1326"};
const char* const Sides[] = {"banker", "player", "tie", "follow", "opposite"};
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

QString Money(Cents cents) {
    return QString::fromStdString(FormatMoney(static_cast<double>(cents) / CentsPerDollar));
}

double Dollars(Cents cents) {
    return static_cast<double>(cents) / CentsPerDollar;
}

} // namespace

StrategyLabWindow::StrategyLabWindow(QWidget* parent)
    : ChildWindow(QStringLiteral("frmStrategyLab"), QStringLiteral("frmStrategyLab"), true, parent) {
    SetCaption(QStringLiteral("Strategy Lab"));
    BuildControls();
    LoadChoices();
    connect(&watcher_, &QFutureWatcher<LabResult>::finished, this, [this] {
        result_ = watcher_.result();
        ShowResult();
        emit Finished();
    });
    SetDesignSize(QSize(900, 520));
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
    for (const char* name : {"Flat", "Martingale", "Paroli", "D'Alembert", "Fibonacci", "1-3-2-6"}) {
        system_->addItem(QLatin1String(name));
    }
    side_ = new QComboBox(this);
    side_->setObjectName(QStringLiteral("cboSide"));
    for (const char* name :
         {"Banker", "Player", "Tie", "Follow the last result", "Opposite the last result"}) {
        side_->addItem(QLatin1String(name));
    }
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

    // The summary scrolls in whatever room the form leaves: however long it is, the form keeps its size
    // and place, and Run and Cancel stay where they were clicked.
    auto* summaryArea = new QScrollArea(this);
    summaryArea->setObjectName(QStringLiteral("scrSummary"));
    summaryArea->setWidget(summary_);
    summaryArea->setWidgetResizable(true);
    summaryArea->setFrameShape(QFrame::NoFrame);
    summaryArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    summaryArea->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);

    auto* left = new QVBoxLayout;
    left->addLayout(form);
    left->addLayout(buttons);
    left->addWidget(progress_);
    left->addWidget(summaryArea, 1);
    left->addWidget(save_);

    chart_ = new QChartView(this);
    chart_->setObjectName(QStringLiteral("chtBankroll"));
    chart_->setRenderHint(QPainter::Antialiasing);
    chart_->setMinimumSize(480, 360);
    chart_->chart()->setTitle(QStringLiteral("Bankroll over the hands of a session"));

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addWidget(chart_, 1);
}

LabParameters StrategyLabWindow::Parameters() const {
    LabParameters p;
    p.system = SystemNamed(Systems[system_->currentIndex()]).value_or(SystemKind::Flat);
    p.side = SideNamed(Sides[side_->currentIndex()]).value_or(BetSide::Banker);
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
    if (p.limits.maximum > 0 && p.limits.maximum < p.limits.minimum) {
        summary_->setText(QStringLiteral("The table maximum is below the minimum."));
        return;
    }
    // Without a seed of the player's, each study plays new shoes; the seed used is shown, so a study can
    // be played again.
    p.seed = seed_->value() > 0
                 ? static_cast<std::uint64_t>(seed_->value())
                 : static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    studied_ = p;
    StoreChoices();
    cancelled_ = false;
    shoesDone_ = 0;
    shoesToDo_ = p.sessions * static_cast<std::uint64_t>(p.shoesPerSession);
    run_->setEnabled(false);
    save_->setEnabled(false);
    cancel_->setEnabled(true);
    progress_->setValue(0);
    summary_->setText(QStringLiteral("Playing %1 sessions...").arg(p.sessions));
    // The last study's chart goes at once: it is not this study's.
    for (QAbstractSeries* series : chart_->chart()->series()) {
        series->hide();
    }
    for (QAbstractAxis* axis : chart_->chart()->axes()) {
        axis->hide();
    }

    RunControl control;
    control.cancel = &cancelled_;
    control.progress = [this](std::uint64_t done, std::uint64_t) { shoesDone_ = done; };
    watcher_.setFuture(QtConcurrent::run([p, control] { return RunLab(p, control); }));
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

void StrategyLabWindow::ShowResult() {
    run_->setEnabled(true);
    cancel_->setEnabled(false);
    progress_->setValue(result_.interrupted ? progress_->value() : 1000);
    save_->setEnabled(!result_.curve.empty());
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
    summary_->setText(text);
    DrawChart();
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
    const std::vector<Spread>& curve = result_.curve;
    if (curve.empty()) {
        return;
    }
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
        area->setName(name);
        colour.setAlpha(90);
        area->setBrush(colour);
        area->setPen(Qt::NoPen);
        chart->addSeries(area);
    };
    band(0, 4, QStringLiteral("5-95 %"), palette::PlayerBlue.lighter(160));
    band(1, 3, QStringLiteral("25-75 %"), palette::PlayerBlue);
    for (const std::vector<Cents>& path : result_.paths) {
        auto* series = new QLineSeries;
        series->append(0, Dollars(studied_.bankroll));
        for (std::size_t h = 0; h < path.size(); ++h) {
            series->append(static_cast<double>(h + 1), Dollars(path[h]));
        }
        series->setPen(QPen(QColor(120, 120, 120, 150), 1));
        chart->addSeries(series);
    }
    QLineSeries* median = line(2);
    median->setName(QStringLiteral("Median"));
    median->setPen(QPen(palette::BankerRed, 2.5));
    chart->addSeries(median);

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
    // Only the bands and the median are named: the single sessions stay out of the legend.
    const auto markers = chart->legend()->markers();
    for (QLegendMarker* marker : markers) {
        marker->setVisible(!marker->label().isEmpty());
    }
}

bool StrategyLabWindow::SaveCurve(const QString& path) const {
    if (result_.curve.empty()) {
        return false;
    }
    std::ofstream out(path.toStdString());
    out << "hand,p5,p25,p50,p75,p95\n";
    for (std::size_t h = 0; h < result_.curve.size(); ++h) {
        out << h + 1;
        for (const Cents value : result_.curve[h]) {
            out << ',' << Dollars(value);
        }
        out << '\n';
    }
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
    const auto number = [](const char* key, int fallback) {
        const QString stored = ReadIni(Section, QLatin1String(key));
        return stored == QStringLiteral("No") ? fallback
                                              : static_cast<int>(LeadingNumber(stored.toStdString()));
    };
    const auto index = [](QComboBox* box, int stored) {
        box->setCurrentIndex(stored >= 0 && stored < box->count() ? stored : box->currentIndex());
    };
    index(system_, number("System", 0));
    index(side_, number("Side", 0));
    index(decks_, number("Decks", 4));
    for (const auto& [box, key] : KeptBoxes()) {
        (this->*box)->setValue(number(key, (this->*box)->value()));
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
