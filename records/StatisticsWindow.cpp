#include "StatisticsWindow.h"

#include "Bankroll.h"
#include "Bets.h"
#include "FocusChecks.h"
#include "IniFile.h"
#include "MaskedEdit.h"
#include "MessageBox.h"
#include "NumberText.h"
#include "StatisticsSections.h"
#include "TableMoney.h"
#include "Twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

namespace bacc {
namespace {

QPointer<StatisticsWindow> openWindow;

const QString SteakMask = QStringLiteral("\\$99999999");
// One count per shoe size the table offers: "Decks1" captioned "1 Deck", "Decks2" "2 Decks" ...
QString DecksKey(std::size_t k) {
    return QString::fromStdString(ShoesPlayedKey(OfferedShoeSizes[k]));
}
QString DecksCaption(std::size_t k) {
    const int decks = OfferedShoeSizes[k];
    return decks == 1 ? QStringLiteral("1 Deck") : QStringLiteral("%1 Decks").arg(decks);
}

QString StoredMoney(const QString& stored) {
    return QString::fromStdString(FormatStoredMoney(stored.toStdString()));
}
double StoredAmount(const QString& stored) {
    return LeadingNumber(stored.toStdString());
}

// Window layout, in twips.
constexpr int WindowWidth = 4440;
constexpr int WindowHeight = 4260;
constexpr int SeatColumn[2] = {1500, 2880};
constexpr int SeatColumnWidth = 1320;
constexpr int FrameWidth = 4320;

QLabel* MakeLabel(const QString& caption, QWidget* parent, const QRect& twips, Qt::Alignment align) {
    auto* label = new QLabel(caption, parent);
    label->setGeometry(TwipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    label->setAlignment(align | Qt::AlignVCenter);
    return label;
}

// A read-only figure: sunken, right-aligned like an amount on a statement.
QLabel* MakeFigure(const QString& objectName, QWidget* parent, const QRect& twips) {
    QLabel* label = MakeLabel(QString(), parent, twips, Qt::AlignRight);
    label->setObjectName(objectName);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, QColor(255, 255, 255));
    label->setPalette(palette);
    label->setContentsMargins(0, 0, Px(60), 0);
    return label;
}

QGroupBox* MakeFrame(const QString& caption, QWidget* parent, int left, int top, int width, int height) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setGeometry(TwipsRect(left, top, width, height));
    return frame;
}

} // namespace

StatisticsWindow::StatisticsWindow(QWidget* parent)
    : ChildWindow(QStringLiteral("frmStatistics"), QStringLiteral("frmStatistics"), false, parent),
      focusChecks_(new FocusChecks(this)) {
    SetCaption(QString(20, QLatin1Char(' ')) + QStringLiteral("S  T  A  T  I  S  T  I  C  S"));
    BuildControls();
    SetDesignSize(TwipsSize(WindowWidth, WindowHeight));
    TheGameListeners().Add(this);
}

StatisticsWindow::~StatisticsWindow() {
    TheGameListeners().Remove(this);
}

void StatisticsWindow::BuildControls() {
    QGroupBox* hands = MakeFrame(QStringLiteral("Hands"), this, 60, 60, 2100, 660);
    hands->setObjectName(QStringLiteral("fraHands"));
    lblHandsPlayed_ = MakeFigure(QStringLiteral("lblHandsPlayed"), hands, QRect(120, 270, 1860, 285));

    cmdResetStats_ = new QPushButton(QStringLiteral("&Reset Statistics"), this);
    cmdResetStats_->setObjectName(QStringLiteral("cmdResetStats"));
    cmdResetStats_->setGeometry(TwipsRect(2340, 210, 2040, 420));
    connect(cmdResetStats_, &QPushButton::clicked, this, &StatisticsWindow::cmdResetStats_Click);

    QGroupBox* players = MakeFrame(QStringLiteral("Player Statistics"), this, 60, 840, FrameWidth, 1980);
    players->setObjectName(QStringLiteral("fraPlayerStatistics"));
    const char* rows[] = {"Initial Steak:", "Current Money:", "Winnings:", "Turnover:"};
    constexpr int FirstRowTop = 660;
    constexpr int RowStep = 330;
    for (int row = 0; row < 4; ++row) {
        MakeLabel(QString::fromLatin1(rows[row]), players, QRect(90, FirstRowTop + row * RowStep, 1380, 285),
                  Qt::AlignLeft);
    }
    for (int i = 0; i < 2; ++i) {
        QLabel* heading = MakeLabel(QStringLiteral("PLAYER %1").arg(i + 1), players,
                                    QRect(SeatColumn[i], 330, SeatColumnWidth, 285), Qt::AlignHCenter);
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);

        mskSteak_[i] = new MaskedEdit(IndexedName("mskSteak", i), SteakMask, 8, players);
        mskSteak_[i]->setGeometry(TwipsRect(SeatColumn[i], FirstRowTop - 15, SeatColumnWidth, 315));
        mskSteak_[i]->setAlignment(Qt::AlignRight);
        mskSteak_[i]->setToolTip(QStringLiteral("Enter between $1 and $10,000,000 (use Tab key to exit)"));
        focusChecks_->Watch(mskSteak_[i]);
        connect(mskSteak_[i], &MaskedEdit::GotFocus, this, [this, i] { mskSteak_GotFocus(i); });
        // While the user is elsewhere the stake shows in the money format, over the field's digit
        // positions; clicks pass through to the field.
        steakShown_[i] = MakeFigure(IndexedName("mskSteakShown", i), players, QRect());
        steakShown_[i]->setGeometry(mskSteak_[i]->geometry().adjusted(2, 2, -2, -2));
        steakShown_[i]->setFrameShape(QFrame::NoFrame);
        steakShown_[i]->setAttribute(Qt::WA_TransparentForMouseEvents);
        connect(mskSteak_[i], &QLineEdit::textChanged, steakShown_[i], [this, i] {
            steakShown_[i]->setText(MoneyCaption(static_cast<double>(mskSteak_[i]->Number())));
        });
        connect(mskSteak_[i], &MaskedEdit::LostFocus, this, [this, i] { mskSteak_LostFocus(i); });

        lblCurrentMoney_[i] = MakeFigure(IndexedName("lblCurrentMoney", i), players,
                                         QRect(SeatColumn[i], FirstRowTop + RowStep, SeatColumnWidth, 285));
        lblWinningsStat_[i] =
            MakeFigure(IndexedName("lblWinningsStat", i), players,
                       QRect(SeatColumn[i], FirstRowTop + 2 * RowStep, SeatColumnWidth, 285));
        lblTurnover_[i] = MakeFigure(IndexedName("lblTurnover", i), players,
                                     QRect(SeatColumn[i], FirstRowTop + 3 * RowStep, SeatColumnWidth, 285));
    }
    setTabOrder(mskSteak_[0], mskSteak_[1]);
    setTabOrder(mskSteak_[1], cmdResetStats_);

    QGroupBox* shoes = MakeFrame(QStringLiteral("Shoes Played"), this, 60, 2940, FrameWidth, 1200);
    shoes->setObjectName(QStringLiteral("frmShoesPlayed"));
    constexpr int ShoeColumnWidth = 780;
    for (std::size_t k = 0; k < OfferedShoeSizes.size(); ++k) {
        const int left = 90 + static_cast<int>(k) * (ShoeColumnWidth + 60);
        MakeLabel(DecksCaption(k), shoes, QRect(left, 300, ShoeColumnWidth, 285), Qt::AlignHCenter);
        lblShoesPlayedDecks_[k] =
            MakeFigure(IndexedName("lblShoesPlayedDecks", k), shoes, QRect(left, 660, ShoeColumnWidth, 285));
    }
}

void StatisticsWindow::Form_Load() {
    RestorePosition();
    RefreshStatistics();
}

void StatisticsWindow::RefreshStatistics() {
    lblHandsPlayed_->setText(ReadIni(HandsSection(), QStringLiteral("Hands")));
    for (std::size_t k = 0; k < OfferedShoeSizes.size(); ++k) {
        lblShoesPlayedDecks_[k]->setText(ReadIni(HandsSection(), DecksKey(k)));
    }
    for (int i = 0; i < 2; ++i) {
        const QString section = SeatSection(i);
        const QString steak = ReadIni(section, QStringLiteral("Steak"));
        const QString win = ReadIni(section, QStringLiteral("Win"));
        SetSteakAmount(i, SteakFieldAmount(steak.toStdString()));
        lblWinningsStat_[i]->setText(StoredMoney(win));
        lblCurrentMoney_[i]->setText(MoneyCaption(CurrentMoney(steak.toStdString(), StoredAmount(win))));
        lblTurnover_[i]->setText(StoredMoney(ReadIni(section, QStringLiteral("Turnover"))));
    }
}

void StatisticsWindow::SetSteakAmount(int index, long long amount) {
    mskSteak_[index]->SetDigits(QString::number(amount));
}

void StatisticsWindow::mskSteak_GotFocus(int index) {
    steakShown_[index]->hide();
    mskSteak_[index]->SelectDigits();
}

void StatisticsWindow::mskSteak_LostFocus(int index) {
    MaskedEdit* field = mskSteak_[index];
    if (unloaded_ || focusChecks_->Ignore(field)) {
        return;
    }
    FocusChecks::Running running(*focusChecks_);
    if (field->Digits().isEmpty()) {
        SetSteakAmount(index, 0);
    }
    const long long amount = field->Number();
    if (!RangeOf(EntryField::Steak).Holds(amount)) {
        ShowMessage(QStringLiteral("Steak Money must be 0 to $10,000,000"), MsgIcon::None, MsgButtons::Ok,
                    this);
        FocusChecks::ReturnFocusTo(field);
        return; // a refused stake is neither stored nor shown on the table
    }
    StoreSteak(index);
    if (!field->hasFocus()) {
        steakShown_[index]->show();
    }
}

void StatisticsWindow::StoreSteak(int index) {
    const double steak = static_cast<double>(mskSteak_[index]->Number());
    WriteIni(SeatSection(index), QStringLiteral("Steak"), IniNumber(steak));
    lblCurrentMoney_[index]->setText(
        MoneyCaption(CurrentMoney(steak, CaptionAmount(lblWinningsStat_[index]->text()))));
    if (TableMoney* table = CurrentTableMoney()) {
        table->SetPlayerTotalCaption(
            index, MoneyCaption(CurrentMoney(steak, CaptionAmount(table->PlayerWinningsCaption(index)))));
    }
}

void StatisticsWindow::cmdResetStats_Click() {
    if (ShowMessage(QStringLiteral("Are you sure you want ALL the statistics set to ZERO"),
                    MsgIcon::Exclamation, MsgButtons::OkCancel, this) != MsgResult::Ok) {
        return;
    }
    const QString zero = IniNumber(0);
    lblHandsPlayed_->setText(QStringLiteral("0"));
    WriteIni(HandsSection(), QStringLiteral("Hands"), zero);
    for (std::size_t k = 0; k < OfferedShoeSizes.size(); ++k) {
        lblShoesPlayedDecks_[k]->setText(QStringLiteral("0"));
        WriteIni(HandsSection(), DecksKey(k), zero);
    }
    const QString noMoney = MoneyCaption(0);
    for (int i = 0; i < 2; ++i) {
        const QString section = SeatSection(i);
        SetSteakAmount(i, 0);
        WriteIni(section, QStringLiteral("Steak"), zero);
        lblCurrentMoney_[i]->setText(noMoney);
        lblWinningsStat_[i]->setText(noMoney);
        WriteIni(section, QStringLiteral("Win"), zero);
        lblTurnover_[i]->setText(noMoney);
        WriteIni(section, QStringLiteral("Turnover"), zero);
        if (TableMoney* table = CurrentTableMoney()) {
            table->SetPlayerTotalCaption(i, noMoney);
            table->SetPlayerWinningsCaption(i, noMoney);
        }
    }
}

bool StatisticsWindow::Form_Unload() {
    for (int i = 0; i < 2; ++i) {
        // A stake still out of range was refused: the file keeps the last one accepted.
        if (RangeOf(EntryField::Steak).Holds(mskSteak_[i]->Number())) {
            StoreSteak(i);
        }
    }
    SavePosition();
    unloaded_ = true;
    if (openWindow == this) {
        openWindow = nullptr;
    }
    emit Unloaded();
    return true;
}

StatisticsWindow* TheStatistics() {
    return openWindow;
}

StatisticsWindow* OpenStatistics() {
    if (openWindow) {
        openWindow->Frame()->show();
        openWindow->Frame()->raise();
        return openWindow;
    }
    openWindow = new StatisticsWindow();
    openWindow->ShowInHost();
    openWindow->Form_Load();
    return openWindow;
}

void CloseStatistics() {
    if (openWindow) {
        openWindow->Frame()->close();
    }
}

} // namespace bacc
