#include "ShoeOddsWindow.h"

#include "ShoeOdds.h"
#include "TableGame.h"

#include <QGridLayout>
#include <QLabel>
#include <QPointer>

namespace bacc {
namespace {

QPointer<ShoeOddsWindow> openWindow;

QString Percent(double fraction, bool sign = false) {
    const QString text = QString::number(100.0 * fraction, 'f', 2) + QStringLiteral(" %");
    return sign && fraction > 0 ? QStringLiteral("+") + text : text;
}

QLabel* Figure(const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(56);
    return label;
}

} // namespace

ShoeOddsWindow::ShoeOddsWindow(QWidget* parent)
    : ChildWindow(QStringLiteral("frmShoeOdds"), QStringLiteral("frmShoeOdds"), false, parent) {
    SetCaption(QStringLiteral("Shoe Odds"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setHorizontalSpacing(10);
    cardsLeft_ = Figure(QStringLiteral("lblCardsLeft"), this);
    penetration_ = Figure(QStringLiteral("lblPenetration"), this);
    grid->addWidget(new QLabel(QStringLiteral("Cards left:"), this), 0, 0);
    grid->addWidget(cardsLeft_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Dealt:"), this), 1, 0);
    grid->addWidget(penetration_, 1, 1);

    auto* chanceHeading = new QLabel(QStringLiteral("<b>Chance</b>"), this);
    auto* valueHeading = new QLabel(QStringLiteral("<b>Worth</b>"), this);
    chanceHeading->setAlignment(Qt::AlignRight);
    valueHeading->setAlignment(Qt::AlignRight);
    valueHeading->setToolTip(QStringLiteral("What one unit bet wins or loses on average"));
    grid->addWidget(chanceHeading, 2, 1);
    grid->addWidget(valueHeading, 2, 2);
    const char* names[] = {"Banker", "Player", "Tie"};
    for (int i = 0; i < 3; ++i) {
        spot_[i] = new QLabel(QString::fromLatin1(names[i]), this);
        spot_[i]->setObjectName(QStringLiteral("lbl%1").arg(QLatin1String(names[i])));
        chance_[i] = Figure(QStringLiteral("lbl%1Chance").arg(QLatin1String(names[i])), this);
        value_[i] = Figure(QStringLiteral("lbl%1Value").arg(QLatin1String(names[i])), this);
        grid->addWidget(spot_[i], 3 + i, 0);
        grid->addWidget(chance_[i], 3 + i, 1);
        grid->addWidget(value_[i], 3 + i, 2);
    }
    natural_ = Figure(QStringLiteral("lblNatural"), this);
    grid->addWidget(new QLabel(QStringLiteral("A natural:"), this), 6, 0);
    grid->addWidget(natural_, 6, 1);

    TheGameListeners().Add(this);
    Refresh();
    SetDesignSize(grid->sizeHint());
}

ShoeOddsWindow::~ShoeOddsWindow() {
    TheGameListeners().Remove(this);
}

void ShoeOddsWindow::Refresh() {
    const TableGame& game = TheTableGame();
    const Shoe& shoe = game.TheShoeInPlay();
    if (!shoe.ShoeInPlay || shoe.LastCardIndex < 0) {
        // Before the first shuffle and after the end of a shoe: the next hand comes from a fresh shoe.
        cardsLeft_->setText(QStringLiteral("new shoe"));
        penetration_->setText(QStringLiteral("0 %"));
        ShowOdds(ExactOdds(FreshShoe(shoe.DeckCount)));
        return;
    }
    // Cards the player has not seen yet, face down on the table, still count as left.
    const ValueCounts left = game.SeenCardsLeft();
    const int total = shoe.LastCardIndex + 1;
    const int cards = CardCount(left);
    cardsLeft_->setText(QString::number(cards));
    penetration_->setText(
        Percent(static_cast<double>(total - cards) / total).replace(QStringLiteral(".00"), ""));
    ShowOdds(ExactOdds(left));
}

void ShoeOddsWindow::ShowOdds(const HandOdds& odds) {
    const std::array<double, 3> chances{odds.Banker, odds.Player, odds.Tie};
    const std::array<double, 3> values{odds.EvBanker, odds.EvPlayer, odds.EvTie};
    for (std::size_t i = 0; i < 3; ++i) {
        chance_[i]->setText(odds.Valid ? Percent(chances[i]) : QStringLiteral("-"));
        value_[i]->setText(odds.Valid ? Percent(values[i], true) : QStringLiteral("-"));
        // A bet worth more than it costs stands out: the moment a counter waits for.
        const bool favoured = odds.Valid && values[i] > 0;
        const QString look =
            favoured ? QStringLiteral("background: #c8f0c0; color: #105010; font-weight: bold;") : QString();
        for (QLabel* label : {spot_[i], chance_[i], value_[i]}) {
            label->setStyleSheet(look);
            label->setProperty("favoured", favoured);
        }
    }
    natural_->setText(odds.Valid ? Percent(odds.Natural) : QStringLiteral("-"));
}

ShoeOddsWindow* OpenShoeOdds() {
    return OpenOnce(openWindow);
}

ShoeOddsWindow* TheShoeOdds() {
    return openWindow;
}

} // namespace bacc
