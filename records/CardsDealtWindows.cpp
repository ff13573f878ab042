#include "CardsDealtWindows.h"

#include "Options.h"
#include "Shoe.h"
#include "Twips.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
#include <QStringList>

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

} // namespace

CardsDealtWindow::CardsDealtWindow()
    : ChildWindow(QStringLiteral("frmCardsDealt"), QStringLiteral("frmCardsDealt"), false),
      lstCardsDealt_(new QListWidget(this)) {
    SetCaption(QStringLiteral("      Cards Dealt"));
    SetDesignSize(TwipsSize(45 + 1845 + 45, 45 + 2955 + 45));
    lstCardsDealt_->setObjectName(QStringLiteral("lstCardsDealt"));
    lstCardsDealt_->setGeometry(TwipsRect(45, 45, 1845, 2955));
    // A fixed pitch lines up the burnt and end markers of column 15.
    lstCardsDealt_->setFont(FixedPitchFont(7.5));
    lstCardsDealt_->setUniformItemSizes(true);
    lstCardsDealt_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstCardsDealt_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

CardsDealtCountWindow::CardsDealtCountWindow()
    : ChildWindow(QStringLiteral("frmCardsDealtCount"), QStringLiteral("frmCardsDealtCount"), false),
      lstCardsDealtCount_(new QListWidget(this)) {
    SetCaption(QStringLiteral("    Cards Dealt Count"));
    SetDesignSize(TwipsSize(30 + 2055 + 60, 450 + 2565 + 60));
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
    for (const Heading& h : headings) {
        auto* label = new QLabel(QString::fromLatin1(h.caption), this);
        label->setObjectName(QString::fromLatin1(h.name));
        label->adjustSize();
        label->move(TwipsPoint(h.left, h.top));
    }
    lstCardsDealtCount_->setObjectName(QStringLiteral("lstCardsDealtCount"));
    lstCardsDealtCount_->setGeometry(TwipsRect(30, 450, 2055, 2565));
    lstCardsDealtCount_->setFont(FixedPitchFont(9.75));
    lstCardsDealtCount_->setUniformItemSizes(true);
    lstCardsDealtCount_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

bool CardsDealtWindow::Form_Unload() {
    SavePosition();
    unloaded_ = true;
    return true;
}

bool CardsDealtCountWindow::Form_Unload() {
    SavePosition();
    unloaded_ = true;
    return true;
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
    QListWidget* list = list_->List();
    if (list->count() > 0) {
        list->setCurrentRow(list->count() - 1);
        list->scrollToBottom();
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

void CardsDealtWindows::ShowDealtCount() {
    QListWidget* list = EnsureCountWindow()->List();
    const DealtCount& table = TheShoe().DealtCountTable;
    const bool reuse = list->count() == RanksPerSuit;
    if (!reuse) {
        list->clear();
    }
    for (int row = 0; row < RanksPerSuit; ++row) {
        const QString text = QString::fromStdString(CountRowText(table[static_cast<std::size_t>(row)]));
        if (reuse) {
            list->item(row)->setText(text);
        } else {
            list->addItem(text);
        }
    }
    ShowWindow(count_);
}

void CardsDealtWindows::ProcessEvents() {
    QCoreApplication::processEvents();
}

void CardsDealtWindows::SetCardsDealtOption(bool on) {
    Settings().CardsDealt = on;
    listCurrent_ = false;
    if (on) {
        RebuildList();
        listCurrent_ = true;
        ShowWindow(list_);
        QListWidget* list = list_->List();
        if (list->count() > 0) {
            list->setCurrentRow(list->count() - 1);
            list->scrollToBottom();
        }
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
        list_->ShowInHost();
        list_->RestorePosition();
    }
    return list_;
}

CardsDealtCountWindow* CardsDealtWindows::EnsureCountWindow() {
    if (!CountWindow()) {
        count_ = new CardsDealtCountWindow();
        count_->ShowInHost();
        count_->RestorePosition();
    }
    return count_;
}

CardsDealtWindows& TheCardsDealtWindows() {
    static CardsDealtWindows windows;
    return windows;
}

} // namespace bacc
