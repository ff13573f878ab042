#include "MarkingCardWindow.h"

#include "OutlineShape.h"
#include "Palette.h"
#include "TableGame.h"
#include "Twips.h"

#include <algorithm>
#include <cstdlib>

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPointer>
#include <QScrollBar>

namespace bacc {
namespace {

// Design geometry of the card, in twips (left, top, width, height).
constexpr int MarkShapeLeft = 60, MarkShapeTop = 510, MarkShapeWidth = 285, MarkShapeHeight = 225;
constexpr int MarkTextLeft = 60, MarkTextTop = 525, MarkTextWidth = 285, MarkTextHeight = 200;
constexpr int LetterLeft = 75, LetterTop = 240, LetterWidth = 285, LetterHeight = 225;
constexpr int TotalLeft = 30, TotalTop = 30, TotalWidth = 345, TotalHeight = 225;
constexpr int RowsOnDesignCard = 9;
constexpr int HeaderLettersAtLeast = 90;
constexpr int RuleCount = 11;
// A card that must grow in width grows by ten columns at a time.
constexpr int WidthGrowthColumns = 10;

constexpr int RuleY(int index) {
    return index == 0 ? 240 : 465 + (index - 1) * 900;
}

QPointer<MarkingCardWindow> openCard;
QString cardCaption = QStringLiteral("Marking Card for PLAYER 1");

void SetTextColour(QLabel* label, const QColor& colour) {
    QPalette palette = label->palette();
    if (palette.color(QPalette::WindowText) != colour) {
        palette.setColor(QPalette::WindowText, colour);
        label->setPalette(palette);
    }
}

MarkingCardWindow* OpenCard() {
    auto* card = new MarkingCardWindow();
    openCard = card;
    card->SetCaption(cardCaption);
    card->ShowInHost();
    card->RestorePosition();
    return card;
}

} // namespace

QColor MarkingCardWindow::Colour(MarkColour colour) {
    switch (colour) {
    case MarkColour::Red:
        return palette::DesignRed;
    case MarkColour::Navy:
        return palette::DesignNavy;
    case MarkColour::Green:
        return palette::MarkGreen;
    case MarkColour::WindowText:
        break;
    }
    return QApplication::palette().color(QPalette::WindowText);
}

MarkingCardWindow::MarkingCardWindow()
    : ChildWindow(QStringLiteral("MarkCard"), QStringLiteral("frmMarkCard"), true) {
    Form_Load();
}

QSize MarkingCardWindow::sizeHint() const {
    return TwipsSize(10500, MarkShapeTop + RowsOnDesignCard * RowPitch + ScrollBarThickness);
}

void MarkingCardWindow::Form_Load() {
    SetDesignSize(sizeHint());

    markFont_ = font();
    markFont_.setPixelSize(11);
    for (int pixels : {11, 10, 9}) {
        QFont narrow = markFont_;
        narrow.setStretch(QFont::Condensed);
        narrow.setPixelSize(pixels);
        narrowFonts_.push_back(narrow);
    }
    headerFont_ = font();
    headerFont_.setPointSizeF(9.75);
    headerFont_.setBold(true);

    picture1_ = new QWidget(this);
    picture1_->setObjectName(QStringLiteral("Picture1"));
    picture1_->setAutoFillBackground(true);
    QPalette white = picture1_->palette();
    white.setColor(QPalette::Window, Qt::white);
    picture1_->setPalette(white);
    picture1_->setFont(markFont_);

    shape1_ = new OutlineShape(QStringLiteral("Shape1"), OutlineShape::Kind::Rectangle, picture1_);
    for (int i = 0; i < RuleCount; ++i) {
        lines_.push_back(
            new OutlineShape(QStringLiteral("lneHLine(%1)").arg(i), OutlineShape::Kind::Line, picture1_));
    }

    headerLetters_.push_back(MakeLabel(QStringLiteral("lblBP(0)"), headerFont_));
    headerLetters_[0]->setGeometry(TwipsRect(LetterLeft, LetterTop, LetterWidth, LetterHeight));
    totals_.push_back(MakeLabel(QStringLiteral("lblTotal(0)"), markFont_));
    totals_[0]->setGeometry(TwipsRect(TotalLeft, TotalTop, TotalWidth, TotalHeight));
    markShapes_.push_back(
        new OutlineShape(QStringLiteral("shpTBP(0)"), OutlineShape::Kind::Rectangle, picture1_));
    markShapes_[0]->setGeometry(TwipsRect(MarkShapeLeft, MarkShapeTop, MarkShapeWidth, MarkShapeHeight));
    markShapes_[0]->hide();
    markTexts_.push_back(MakeLabel(QStringLiteral("lblTBP(0)"), markFont_));
    markTexts_[0]->setGeometry(TwipsRect(MarkTextLeft, MarkTextTop, MarkTextWidth, MarkTextHeight));

    hScroll1_ = new QScrollBar(Qt::Horizontal, this);
    hScroll1_->setObjectName(QStringLiteral("HScroll1"));
    hScroll1_->setFixedHeight(Px(ScrollBarThickness));
    vScroll1_ = new QScrollBar(Qt::Vertical, this);
    vScroll1_->setObjectName(QStringLiteral("VScroll1"));
    vScroll1_->setFixedWidth(Px(ScrollBarThickness));
    scrollCorner_ = new QWidget(this);
    scrollCorner_->setObjectName(QStringLiteral("ScrollCorner"));
    scrollCorner_->setAutoFillBackground(true);
    scrollCorner_->setBackgroundRole(QPalette::Button);
    scrollCorner_->resize(TwipsSize(ScrollBarThickness + 15, ScrollBarThickness + 15));
    connect(hScroll1_, &QScrollBar::valueChanged, this, &MarkingCardWindow::HScroll1_Change);
    connect(vScroll1_, &QScrollBar::valueChanged, this, &MarkingCardWindow::VScroll1_Change);

    picture1_->move(0, 0);
    initialCardHeight_ = MarkShapeTop + RowsOnDesignCard * RowPitch;
    SetSurfaceSize(SurfaceDesignWidth, initialCardHeight_);
}

QLabel* MarkingCardWindow::MakeLabel(const QString& name, const QFont& font) {
    auto* label = new QLabel(picture1_);
    label->setObjectName(name);
    if (font != picture1_->font()) {
        label->setFont(font);
    }
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->hide();
    return label;
}

void MarkingCardWindow::SetFittedText(QLabel* label, const QString& text, int widthTwips) {
    label->setText(text);
    // Two digits always fit; totals such as "-136" would run into their neighbours.
    const QFont* fitted = &markFont_;
    if (text.size() > 2) {
        const int room = Px(widthTwips) - 2;
        for (const QFont& narrow : narrowFonts_) {
            fitted = &narrow;
            if (QFontMetrics(narrow).horizontalAdvance(text) <= room) {
                break;
            }
        }
    }
    if (label->font() != *fitted) {
        label->setFont(*fitted);
    }
}

void MarkingCardWindow::SetSurfaceSize(int widthTwips, int heightTwips) {
    surfaceWidth_ = widthTwips;
    surfaceHeight_ = heightTwips;
    picture1_->resize(Px(widthTwips), Px(heightTwips));
    Picture1_Resize();
    // The bars follow the card as it grows, so that every mark can be scrolled to.
    Form_Resize();
}

void MarkingCardWindow::Picture1_Resize() {
    const int frameWidth = surfaceWidth_ - 45;
    shape1_->setGeometry(TwipsRect(15, 15, frameWidth, surfaceHeight_ - 45));
    for (int i = 0; i < RuleCount; ++i) {
        lines_[static_cast<std::size_t>(i)]->setGeometry(Px(15), Px(RuleY(i)), Px(frameWidth), 1);
    }
}

void MarkingCardWindow::resizeEvent(QResizeEvent* event) {
    ChildWindow::resizeEvent(event);
    Form_Resize();
}

void MarkingCardWindow::Form_Resize() {
    const int sw = Twips(width());
    const int sh = Twips(height());
    const int bar = ScrollBarThickness;

    const int hLeft = 0;
    const int vTop = 0;
    const int hTop = surfaceWidth_ > sw ? sh - bar : sh;
    const int vLeft = surfaceHeight_ > hTop ? sw - bar : sw;
    const int hWidth = vLeft < sw ? sw - bar : sw;
    // With the horizontal bar outside the window the vertical one runs the full height.
    const int vHeight = hTop < sh ? hTop : sh;

    hScroll1_->setGeometry(Px(hLeft), Px(hTop), Px(hWidth), Px(bar));
    vScroll1_->setGeometry(Px(vLeft), Px(vTop), Px(bar), Px(vHeight));
    hScroll1_->setVisible(hTop < sh);
    vScroll1_->setVisible(vLeft < sw);
    if (vLeft < sw) {
        scrollCorner_->move(Px(hWidth - 15), Px(vHeight - 15));
        scrollCorner_->show();
    } else {
        scrollCorner_->hide();
    }

    const int hMax = std::max(0, surfaceWidth_ - vLeft);
    const int vMax = std::max(0, surfaceHeight_ - hTop);
    hScroll1_->setRange(0, hMax);
    hScroll1_->setSingleStep(std::abs(hMax / 16) + 1);
    hScroll1_->setPageStep(std::abs(hMax / 4) + 1);
    vScroll1_->setRange(0, vMax);
    vScroll1_->setSingleStep(std::abs(vMax / 16) + 1);
    vScroll1_->setPageStep(std::abs(vMax / 4) + 1);

    hScroll1_->raise();
    vScroll1_->raise();
}

void MarkingCardWindow::HScroll1_Change(int value) {
    picture1_->move(-Px(value), picture1_->y());
}

void MarkingCardWindow::VScroll1_Change(int value) {
    picture1_->move(picture1_->x(), -Px(value));
}

void MarkingCardWindow::ClearMarks() {
    const auto clear = [](auto& elements) {
        for (std::size_t i = 1; i < elements.size(); ++i) {
            delete elements[i];
        }
        elements.resize(1);
        elements[0]->hide();
    };
    clear(headerLetters_);
    clear(totals_);
    clear(markShapes_);
    clear(markTexts_);
    headerShown_ = false;
    // A new shoe starts on a card of the design size, scrolled to its first column.
    hScroll1_->setValue(0);
    vScroll1_->setValue(0);
    if (surfaceWidth_ != SurfaceDesignWidth || surfaceHeight_ != initialCardHeight_) {
        SetSurfaceSize(SurfaceDesignWidth, initialCardHeight_);
    }
}

void MarkingCardWindow::ShowHeader() {
    const MarkingState& state = TheTableGame().Marking();
    headerShown_ = true;
    // At least 90 letters, and one over every column the card holds.
    const int count =
        std::max(HeaderLettersAtLeast, (surfaceWidth_ - (LetterLeft + LetterWidth + 30)) / ColumnPitch + 1);
    for (int i = 0; i < count; ++i) {
        QLabel* letter;
        if (static_cast<std::size_t>(i) < headerLetters_.size()) {
            letter = headerLetters_[static_cast<std::size_t>(i)];
        } else {
            letter = MakeLabel(QStringLiteral("lblBP(%1)").arg(i), headerFont_);
            headerLetters_.push_back(letter);
        }
        letter->setText(QString(QChar(state.HeaderLetter(i))));
        letter->setGeometry(TwipsRect(LetterLeft + ColumnPitch * i, LetterTop, LetterWidth, LetterHeight));
        letter->show();
    }
}

QLabel* MarkingCardWindow::TotalLabel(int column) {
    const auto index = static_cast<std::size_t>(column);
    if (totals_.size() <= index) {
        totals_.resize(index + 1, nullptr);
    }
    if (!totals_[index]) {
        totals_[index] = MakeLabel(QStringLiteral("lblTotal(%1)").arg(column), markFont_);
    }
    return totals_[index];
}

void MarkingCardWindow::ShowColumnTotal(int column) {
    const MarkingState& state = TheTableGame().Marking();
    const auto index = static_cast<std::size_t>(column);
    if (index >= state.ColumnTotals.size() || !state.ColumnTotals[index]) {
        return;
    }
    const int total = *state.ColumnTotals[index];
    QLabel* label = TotalLabel(column);
    SetFittedText(label, QString::number(total), TotalWidth);
    SetTextColour(label, Colour(total < 0 ? MarkColour::Red : MarkColour::WindowText));
    label->setGeometry(TwipsRect(TotalLeft + ColumnPitch * column, TotalTop, TotalWidth, TotalHeight));
    label->show();
}

void MarkingCardWindow::GrowFor(int column, int row) {
    int newHeight = surfaceHeight_;
    if (row > RowsOnDesignCard && (row - RowsOnDesignCard) * RowPitch + initialCardHeight_ > surfaceHeight_) {
        newHeight = (row - RowsOnDesignCard) * RowPitch + initialCardHeight_;
    }
    int newWidth = surfaceWidth_;
    const int needed = MarkShapeLeft + ColumnPitch * (column + 1) + 45;
    if (needed > surfaceWidth_) {
        const int step = WidthGrowthColumns * ColumnPitch;
        newWidth = SurfaceDesignWidth + (needed - SurfaceDesignWidth + step - 1) / step * step;
    }
    if (newWidth != surfaceWidth_ || newHeight != surfaceHeight_) {
        const bool wider = newWidth != surfaceWidth_;
        SetSurfaceSize(newWidth, newHeight);
        if (wider && headerShown_) {
            ShowHeader();
        }
    }
}

void MarkingCardWindow::MarkResult(int markIndex) {
    const MarkingState& state = TheTableGame().Marking();
    if (markIndex < 0 || static_cast<std::size_t>(markIndex) >= state.Marks.size()) {
        return;
    }
    const Mark& mark = state.Marks[static_cast<std::size_t>(markIndex)];
    // The first hand of a shoe always starts on a clean card, even if the card was not reset.
    if (markIndex == 0 && markShapes_.size() > 1) {
        ClearMarks();
    }
    // In front of the other windows of the game, without taking the keyboard from the table.
    if (QMdiSubWindow* frame = SubWindow()) {
        frame->raise();
    }

    if (state.HeaderBuilt && !headerShown_) {
        ShowHeader();
    }
    ShowColumnTotal(mark.Column);
    GrowFor(mark.Column, mark.Row);

    while (markShapes_.size() <= static_cast<std::size_t>(markIndex)) {
        const auto k = static_cast<int>(markShapes_.size());
        auto* shape =
            new OutlineShape(QStringLiteral("shpTBP(%1)").arg(k), OutlineShape::Kind::Rectangle, picture1_);
        shape->hide();
        markShapes_.push_back(shape);
        markTexts_.push_back(MakeLabel(QStringLiteral("lblTBP(%1)").arg(k), markFont_));
    }
    OutlineShape* shape = markShapes_[static_cast<std::size_t>(markIndex)];
    QLabel* text = markTexts_[static_cast<std::size_t>(markIndex)];

    shape->SetBorderColor(Colour(mark.Outline));
    shape->SetShapeKind(mark.Oval ? OutlineShape::Kind::Oval : OutlineShape::Kind::Rectangle);
    // A hand without a bet is neither won nor lost: its text stays in the plain colour.
    SetTextColour(text,
                  Colour(mark.TextColourSet && mark.TextRed ? MarkColour::Red : MarkColour::WindowText));
    SetFittedText(text, QString::fromStdString(mark.Text), MarkTextWidth);

    const int left = ColumnPitch * mark.Column;
    const int down = RowPitch * (mark.Row - 1);
    shape->setGeometry(TwipsRect(MarkShapeLeft + left, MarkShapeTop + down, MarkShapeWidth, MarkShapeHeight));
    text->setGeometry(TwipsRect(MarkTextLeft + left, MarkTextTop + down, MarkTextWidth, MarkTextHeight));
    shape->show();
    text->show();
}

void MarkingCardWindow::RedrawShoe() {
    ClearMarks();
    const MarkingState& state = TheTableGame().Marking();
    for (std::size_t k = 0; k < state.Marks.size(); ++k) {
        MarkResult(static_cast<int>(k));
    }
}

bool MarkingCardWindow::Form_Unload() {
    SavePosition();
    // Forgotten at once: the widget is deleted a moment later, and a hand marked in between re-opens
    // the card.
    if (openCard == this) {
        openCard = nullptr;
    }
    return true;
}

void ResetMarkCard(const QString& caption) {
    cardCaption = caption;
    MarkingCardWindow* card = openCard;
    if (card) {
        card->SetCaption(caption);
    } else {
        card = OpenCard();
    }
    card->ClearMarks();
}

namespace {

// The card follows the table's game: every new shoe opens it clean, every settled hand is marked on it,
// and a card closed in mid-shoe comes back with every mark of the shoe.
class CardFollower : public GameListener {
public:
    void ShoeStarted() override { ResetMarkCard(QStringLiteral("Marking Card for PLAYER 1")); }
    void HandSettled(const HandRecord& record) override {
        if (MarkingCardWindow* card = openCard) {
            card->MarkResult(std::max(record.HandNumber - 1, 0));
        } else {
            OpenCard()->RedrawShoe();
        }
    }
};

} // namespace

GameListener& MarkingCardFollower() {
    static CardFollower follower;
    return follower;
}

MarkingCardWindow* ShowMarkCard() {
    MarkingCardWindow* card = openCard;
    if (!card) {
        card = OpenCard();
        card->RedrawShoe();
    }
    card->BringToFront();
    return card;
}

MarkingCardWindow* TheMarkCard() {
    return openCard;
}

} // namespace bacc
