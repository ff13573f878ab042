#include "CardsDealtWindow.h"

#include "Options.h"
#include "Shoe.h"
#include "Twips.h"

#include <algorithm>

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QStringList>
#include <QStyle>

namespace bacc {
namespace {

QFont FixedPitchFont(double pointSize) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setFamilies({QStringLiteral("DejaVu Sans Mono"), font.family(), QStringLiteral("monospace")});
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPointSizeF(pointSize);
    return font;
}

QString LineText(int position) {
    const ListLine& line = TheShoe().CardListText[static_cast<std::size_t>(position)];
    return QString::fromLatin1(line.data(), ListLineLength);
}

void ShowWindow(ChildWindow* window) {
    if (!window->Frame()->isVisible()) {
        window->ShowInHost();
    }
}

// The width a window needs for its whole caption, its icon and its close button in the title bar.
int CaptionRoom(const QString& caption) {
    const QFontMetrics metrics(QApplication::font("QMdiSubWindowTitleBar"));
    return metrics.horizontalAdvance(caption) + 3 * metrics.height() + 8;
}

// Opens a new window of fixed size. Inside the main window it keeps only its close button, leaving the
// short frame room for its caption.
void OpenFixedWindow(ChildWindow* window) {
    window->ShowInHost();
    if (QMdiSubWindow* frame = window->SubWindow()) {
        frame->setWindowFlags(frame->windowFlags() &
                              ~(Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
        frame->show();
    }
    window->RestorePosition();
}

} // namespace

DealtListWindow::DealtListWindow(const QString& name, const QString& listName)
    : ChildWindow(name, name, false), list_(new QListWidget(this)) {
    list_->setObjectName(listName);
    list_->setUniformItemSizes(true);
    list_->setTextElideMode(Qt::ElideNone);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

bool DealtListWindow::Form_Unload() {
    SavePosition();
    unloaded_ = true;
    return true;
}

CardsDealtWindow::CardsDealtWindow()
    : DealtListWindow(QStringLiteral("frmCardsDealt"), QStringLiteral("lstCardsDealt")) {
    SetCaption(QStringLiteral("      Cards Dealt"));
    QListWidget* list = List();
    // A fixed pitch lines up the burnt and end markers of column 15. The list is made wide enough for a
    // whole line in a readable size rather than cutting the markers off.
    const QFont font = FixedPitchFont(8.25);
    list->setFont(font);
    list->setAutoScroll(false); // the fills scroll to the last card themselves
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    const int lineWidth = QFontMetrics(font).horizontalAdvance(QString(ListLineLength, QLatin1Char('M')));
    const int chrome = 2 * list->frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 8;
    const int listWidth = std::max(Px(1845), lineWidth + chrome);
    list->setGeometry(Px(45), Px(45), listWidth, Px(2955));
    SetDesignSize(
        QSize(std::max(Px(45) + listWidth + Px(45), CaptionRoom(windowTitle())), Px(45 + 2955 + 45)));
}

CardsDealtCountWindow::CardsDealtCountWindow()
    : DealtListWindow(QStringLiteral("frmCardsDealtCount"), QStringLiteral("lstCardsDealtCount")) {
    SetCaption(QStringLiteral("    Cards Dealt Count"));
    SetDesignSize(QSize(std::max(Px(30 + 2055 + 60), CaptionRoom(windowTitle())), Px(450 + 2565 + 60)));
    // Staggered on two lines, each heading over its count column.
    struct Heading {
        const char* name;
        const char* caption;
        int left;
        int top;
    };
    static constexpr Heading headings[] = {{"Label1", "Spade", 570, 0},
                                           {"Label2", "Club", 960, 210},
                                           {"Label3", "Diamond", 1170, 0},
                                           {"Label4", "Heart", 1620, 210}};
    QFont headingFont = font();
    headingFont.setPointSize(8);
    for (const Heading& h : headings) {
        auto* label = new QLabel(QString::fromLatin1(h.caption), this);
        label->setObjectName(QString::fromLatin1(h.name));
        label->setFont(headingFont);
        label->adjustSize();
        label->move(TwipsPoint(h.left, h.top));
    }
    List()->setGeometry(TwipsRect(30, 450, 2055, 2565));
    List()->setFont(FixedPitchFont(9));
}

int CardsDealtCountWindow::RowHeight() const {
    // All thirteen rows in view, as the list was sized for, unless the font is too tall for that.
    const int fitting = List()->viewport()->height() / RanksPerSuit;
    const QFontMetrics metrics(List()->font());
    return std::max(fitting, metrics.ascent() + metrics.descent() - 2);
}

void CardsDealtWindows::NewShoeStarted() {
    if (CardsDealtListCurrent()) {
        list_->List()->clear();
    }
}

void CardsDealtWindows::AppendDealtCard(int position) {
    if (CardsDealtListCurrent()) {
        list_->List()->addItem(LineText(position));
    } else {
        if (!Settings().CardsDealt) {
            return;
        }
        RebuildList();
    }
    if (!Settings().CardsDealt) {
        return;
    }
    listCurrent_ = true;
    ShowWindow(list_);
    SelectLastEntry();
}

void CardsDealtWindows::SelectLastEntry() {
    QListWidget* list = list_->List();
    if (list->count() == 0) {
        return;
    }
    list->setCurrentRow(list->count() - 1);
    // Scrolling lays out the whole list, so it is done once the cards of the moment are in, when events
    // are next processed, rather than for every card.
    if (!scrollQueued_) {
        scrollQueued_ = true;
        QMetaObject::invokeMethod(
            list,
            [this, list] {
                scrollQueued_ = false;
                list->scrollToItem(list->currentItem());
            },
            Qt::QueuedConnection);
    }
}

void CardsDealtWindows::RebuildList() {
    QListWidget* list = EnsureListWindow()->List();
    list->clear();
    // Every card with a list line: burnt, dealt or recorded as undealt, the card being added included.
    const Shoe& shoe = TheShoe();
    const int cardsOut = std::min<int>(shoe.CardsOut, static_cast<int>(shoe.CardListText.size()));
    QStringList lines;
    lines.reserve(cardsOut);
    for (int position = 0; position < cardsOut; ++position) {
        lines.append(LineText(position));
    }
    list->addItems(lines);
}

void CardsDealtWindows::CountChanged() {
    if (Settings().CardsDealtCount) {
        ShowDealtCount();
    }
}

void CardsDealtWindows::ShowDealtCount() {
    QListWidget* list = EnsureCountWindow()->List();
    const DealtCount& table = TheShoe().DealtCountTable;
    const bool reuse = list->count() == RanksPerSuit;
    if (!reuse) {
        list->clear();
    }
    for (int row = 0; row < RanksPerSuit; ++row) {
        DealtCountRow counted = table[static_cast<std::size_t>(row)];
        if (counted.Label.empty()) {
            counted.Label = RankName(row + 1); // no shoe yet: the ranks are named all the same
        }
        const QString text = QString::fromStdString(CountRowText(counted));
        if (reuse) {
            list->item(row)->setText(text);
        } else {
            auto* item = new QListWidgetItem(text, list);
            item->setSizeHint(QSize(list->viewport()->width(), count_->RowHeight()));
        }
    }
    ShowWindow(count_);
}

void CardsDealtWindows::ProcessEvents() {
    QApplication::processEvents();
}

void CardsDealtWindows::SetCardsDealtOption(bool on) {
    Settings().CardsDealt = on;
    listCurrent_ = false;
    if (on) {
        RebuildList();
        listCurrent_ = true;
        ShowWindow(list_);
        SelectLastEntry();
    } else if (CardsDealtWindow* list = ListWindow()) {
        list->Frame()->hide();
    }
}

void CardsDealtWindows::SetCardsDealtCountOption(bool on) {
    Settings().CardsDealtCount = on;
    if (on) {
        ShowDealtCount();
    } else if (CardsDealtCountWindow* count = CountWindow()) {
        count->Frame()->hide();
    }
}

void CardsDealtWindows::CloseWindows() {
    listCurrent_ = false;
    if (CardsDealtWindow* list = ListWindow()) {
        list->Frame()->close();
    }
    if (CardsDealtCountWindow* count = CountWindow()) {
        count->Frame()->close();
    }
}

CardsDealtWindow* CardsDealtWindows::EnsureListWindow() {
    if (!ListWindow()) {
        list_ = new CardsDealtWindow();
        listCurrent_ = false;
        scrollQueued_ = false; // a scroll queued for a closed window went with it
        OpenFixedWindow(list_);
    }
    return list_;
}

CardsDealtCountWindow* CardsDealtWindows::EnsureCountWindow() {
    if (!CountWindow()) {
        count_ = new CardsDealtCountWindow();
        OpenFixedWindow(count_);
    }
    return count_;
}

CardsDealtWindows& TheCardsDealtWindows() {
    static CardsDealtWindows windows;
    return windows;
}

} // namespace bacc
