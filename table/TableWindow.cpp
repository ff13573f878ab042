#include "TableWindow.h"

#include "CardImages.h"
#include "IniFile.h"
#include "MessageBox.h"
#include "NumberText.h"
#include "Options.h"
#include "Palette.h"
#include "Pause.h"
#include "TableGame.h"
#include "Twips.h"

#include <cstdlib>

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QRadialGradient>
#include <QRandomGenerator>

namespace bacc {
namespace {

QPointer<TableWindow> theTable;

const QColor& Red = palette::DesignRed;
const QColor& Navy = palette::DesignNavy;
const QColor& Maroon = palette::DesignMaroon;
const QColor& DarkYellow = palette::DesignDarkYellow;
const QColor& Cyan = palette::DesignCyan;
const QColor& LightYellow = palette::DesignLightYellow;
const QColor& BrightGreen = palette::DesignBrightGreen;
const QColor& Felt = palette::DesignFelt;
const QColor WindowText(0, 0, 0);
const QColor PatchWhite(255, 255, 255);

QString Rgb(const QColor& colour) {
    return colour.alpha() == 255
               ? QStringLiteral("rgb(%1,%2,%3)").arg(colour.red()).arg(colour.green()).arg(colour.blue())
               : QStringLiteral("rgba(%1,%2,%3,%4)")
                     .arg(colour.red())
                     .arg(colour.green())
                     .arg(colour.blue())
                     .arg(colour.alpha());
}

QFont TableFont(int pixelSize, bool bold = false) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

struct LabelLook {
    QColor Text = WindowText;
    QColor Back = Qt::transparent;
    int PixelSize = 11;
    bool Bold = false;
    Qt::Alignment Align = Qt::AlignCenter;
    int Radius = 0;
    QColor Border = Qt::transparent;
    int MarginRight = 0; // labels laid closer than their width keep a gap
};

void Style(QLabel* label, const LabelLook& look) {
    label->setFont(TableFont(look.PixelSize, look.Bold));
    label->setAlignment(look.Align);
    QString sheet = QStringLiteral("QLabel{color:%1;background:%2;").arg(Rgb(look.Text), Rgb(look.Back));
    if (look.Radius > 0) {
        sheet += QStringLiteral("border-radius:%1px;").arg(look.Radius);
    }
    if (look.Border.alpha() > 0) {
        sheet += QStringLiteral("border:1px solid %1;").arg(Rgb(look.Border));
    }
    if (look.MarginRight > 0) {
        sheet += QStringLiteral("margin-right:%1px;").arg(look.MarginRight);
    }
    label->setStyleSheet(sheet + QStringLiteral("padding:0px;}"));
}

template <typename Widget> Widget* Place(Widget* widget, int left, int top, int width, int height) {
    widget->setGeometry(TwipsRect(left, top, width, height));
    return widget;
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& caption, const LabelLook& look) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    Style(label, look);
    return label;
}

MaskedEdit* MakeBox(QWidget* parent, const QString& name, const QString& mask, int digits,
                    const QString& toolTip, int pixelSize) {
    auto* box = new MaskedEdit(name, mask, digits, parent);
    box->setToolTip(toolTip);
    box->setFont(TableFont(pixelSize, true));
    box->setAlignment(Qt::AlignCenter);
    box->setTextMargins(0, 0, 0, 0);
    box->setStyleSheet(QStringLiteral("QLineEdit{background:#fffdf2;color:black;border:1px solid #3b2b00;"
                                      "border-radius:3px;padding:0px;selection-background-color:#1d5fa8;}"
                                      "QLineEdit:disabled{background:#d9d6c8;color:#555;}"
                                      "QLineEdit:focus{border:1px solid #ffe45c;}"));
    return box;
}

QLabel* MakePatch(QWidget* parent, const QString& name) {
    // Plain white, no border: it hides exactly one corner index of the face below
    // it.
    auto* patch = new QLabel(parent);
    patch->setObjectName(name);
    patch->setAutoFillBackground(true);
    QPalette palette = patch->palette();
    palette.setColor(QPalette::Window, PatchWhite);
    patch->setPalette(palette);
    patch->hide();
    return patch;
}

QPixmap FeltTexture() {
    // A fixed tile of faint fibres, so the cloth looks woven rather than painted.
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    const int size = 128;
    QPixmap tile(QSize(size, size) * ratio);
    tile.setDevicePixelRatio(ratio);
    tile.fill(Qt::transparent);
    QPainter painter(&tile);
    painter.setRenderHint(QPainter::Antialiasing);
    QRandomGenerator fibres(1912);
    for (int i = 0; i < 1400; ++i) {
        const QPointF at(fibres.bounded(size * 1.0), fibres.bounded(size * 1.0));
        const bool light = fibres.bounded(2) == 0;
        painter.setPen(QPen(light ? QColor(255, 255, 255, 9 + fibres.bounded(8))
                                  : QColor(0, 0, 0, 12 + fibres.bounded(10)),
                            0.6));
        const qreal angle = fibres.bounded(6.2832);
        const qreal length = 0.8 + fibres.bounded(1.6);
        painter.drawLine(at, at + QPointF(length * std::cos(angle), length * std::sin(angle)));
    }
    return tile;
}

QString Indexed(const QString& name, int index) {
    return IndexedName(name.toLatin1().constData(), index);
}

} // namespace

TableWindow* TheTable() {
    return theTable;
}

TableWindow* OpenTable() {
    if (!theTable) {
        auto* table = new TableWindow;
        table->ShowInHost();
        table->Form_Load();
        return table;
    }
    theTable->ShowInHost();
    return theTable;
}

QString TableWindow::ShuffleCaption() {
    return QStringLiteral("Shuffle");
}
QString TableWindow::DealCaption() {
    return QStringLiteral("Deal");
}

TableWindow::TableWindow(QWidget* parent)
    : ChildWindow(QStringLiteral("BaccTable"), QStringLiteral("frmBaccTable"), true, parent) {
    theTable = this;
    SetCaption(QString(84, QLatin1Char(' ')) + QStringLiteral("T  A  B  L  E"));
    SetDesignSize(TwipsSize(DesignWidth, DesignHeight));
    setFont(TableFont(11));
    setMouseTracking(true);
    felt_ = FeltTexture();

    // Creation order is stacking order: the felt's decoration first, labels above
    // it, cards above all.
    CreateBettingArea();
    CreateSeatMoney();
    CreateTitlesAndResults();
    CreateCommands();
    for (int seat = 0; seat < SeatCount; ++seat) {
        CreateSeatBets(seat);
    }
    for (int slot = 0; slot < Slots; ++slot) {
        CreateCardSlot(slot);
    }
    pctCardBackMove =
        Place(new PictureBox(QStringLiteral("pctCardBackMove"), this), FlightLeft, FlightTop, 1065, 1440);
    pctCardBackMove->setPixmap(CardImage(CardBackImage));
    pctCardBackMove->setAttribute(Qt::WA_TransparentForMouseEvents);
    pctCardBackMove->hide();
    for (int index = 0; index < 2; ++index) {
        Image1[index] = new QLabel(this);
        Image1[index]->setObjectName(IndexedName("Image1", index));
        Image1[index]->setPixmap(RenderHandPointer(static_cast<HandPointing>(index), devicePixelRatioF()));
        Image1[index]->hide();
    }

    if (Settings().RevealArrows) {
        SetArrowPointers();
    } else {
        SetHandPointers();
    }
    ConnectBetEntry();
    ConnectCommands();
    SetTableMoney(this);
    TheTableGame().SetBooks(this);
}

TableWindow::~TableWindow() {
    if (CurrentTableMoney() == this) {
        SetTableMoney(nullptr);
    }
    TheTableGame().SetBooks(nullptr);
}

void TableWindow::CreateTitlesAndResults() {
    const LabelLook title{.Text = WindowText, .PixelSize = 17, .Bold = true};
    Label11 = Place(MakeLabel(this, QStringLiteral("Label11"), QStringLiteral("P L A Y E R"), title), 375, 60,
                    1935, 375);
    Label1 = Place(MakeLabel(this, QStringLiteral("Label1"), QStringLiteral("P L A Y E R"),
                             {.Text = Red, .PixelSize = 17, .Bold = true}),
                   360, 30, 1935, 375);
    Label12 = Place(MakeLabel(this, QStringLiteral("Label12"), QStringLiteral("B A N K E R"),
                              {.Text = BrightGreen, .PixelSize = 17, .Bold = true}),
                    8685, 45, 1935, 375);
    Label2 = Place(MakeLabel(this, QStringLiteral("Label2"), QStringLiteral("B A N K E R"),
                             {.Text = Navy, .PixelSize = 17, .Bold = true}),
                   8670, 30, 1935, 375);

    const LabelLook win{.Text = DarkYellow,
                        .Back = Cyan,
                        .PixelSize = 18,
                        .Bold = true,
                        .Radius = 4,
                        .Border = QColor(0, 90, 90)};
    WinP = Place(MakeLabel(this, QStringLiteral("WinP"), QStringLiteral("WIN"), win), 270, 330, 765, 435);
    WinB = Place(MakeLabel(this, QStringLiteral("WinB"), QStringLiteral("WIN"), win), 8640, 330, 765, 435);
    const LabelLook tie{.Text = DarkYellow, .PixelSize = 20, .Bold = true};
    TieResultP =
        Place(MakeLabel(this, QStringLiteral("TieResultP"), QStringLiteral("TIE"), tie), 420, 300, 615, 435);
    TieResultB =
        Place(MakeLabel(this, QStringLiteral("TieResultB"), QStringLiteral("TIE"), tie), 8790, 300, 615, 435);
    const LabelLook total{.Text = WindowText,
                          .Back = QColor(255, 255, 255),
                          .PixelSize = 19,
                          .Bold = true,
                          .Radius = 13,
                          .Border = QColor(60, 60, 60)};
    PTotal =
        Place(MakeLabel(this, QStringLiteral("PTotal"), QStringLiteral("8"), total), 1110, 330, 405, 405);
    BTotal =
        Place(MakeLabel(this, QStringLiteral("BTotal"), QStringLiteral("8"), total), 9480, 330, 405, 405);
    const LabelLook natural{.Text = Maroon,
                            .Back = QColor(255, 244, 190),
                            .PixelSize = 17,
                            .Bold = true,
                            .Radius = 5,
                            .Border = Maroon};
    lblNaturalP = Place(MakeLabel(this, QStringLiteral("lblNaturalP"), QStringLiteral("NATURAL!"), natural),
                        270, 1290, 2265, 375);
    lblNaturalB = Place(MakeLabel(this, QStringLiteral("lblNaturalB"), QStringLiteral("NATURAL!"), natural),
                        8640, 1290, 2235, 375);
    for (QLabel* result : {WinP, WinB, TieResultP, TieResultB, PTotal, BTotal, lblNaturalP, lblNaturalB}) {
        result->hide();
    }
}

void TableWindow::CreateCommands() {
    const QString buttonSheet = QStringLiteral("QPushButton{color:#1c1400;background:qlineargradient(x1:"
                                               "0,y1:0,x2:0,y2:1,stop:0 #fff3b0,stop:1 "
                                               "#d9b64a);"
                                               "border:1px solid #5a4300;border-radius:4px;padding:0px;}"
                                               "QPushButton:hover{background:qlineargradient(x1:0,y1:0,"
                                               "x2:0,y2:1,stop:0 #fffbd8,stop:1 #e8c85e);}"
                                               "QPushButton:pressed{background:#c9a43a;}"
                                               "QPushButton:disabled{color:#777;background:#cfc8a8;}"
                                               "QPushButton:focus{border:1px solid #fff;}");
    maisyk = new QPushButton(this);
    maisyk->setObjectName(QStringLiteral("maisyk"));
    Place(maisyk, 2820, 90, 705, 315);
    maisyk->setFont(TableFont(11, true));
    maisyk->setStyleSheet(buttonSheet);
    duokkortos = new QPushButton(this);
    duokkortos->setObjectName(QStringLiteral("duokkortos"));
    Place(duokkortos, 4470, 60, 2175, 375);
    duokkortos->setFont(TableFont(14, true));
    duokkortos->setStyleSheet(buttonSheet);

    const LabelLook shuffling{.Text = Red, .PixelSize = 17, .Bold = true};
    lblShuffleInProgress[1] = Place(MakeLabel(this, IndexedName("lblShuffleInProgress", 1),
                                              QStringLiteral("SHUFFLE IN PROGRESS PLEASE WAIT"),
                                              {.Text = WindowText, .PixelSize = 17, .Bold = true}),
                                    4425, 75, 2415, 945);
    lblShuffleInProgress[0] = Place(MakeLabel(this, IndexedName("lblShuffleInProgress", 0),
                                              QStringLiteral("SHUFFLE IN PROGRESS PLEASE WAIT"), shuffling),
                                    4410, 60, 2415, 945);
    for (QLabel* label : lblShuffleInProgress) {
        label->setWordWrap(true);
        label->hide();
    }
    const LabelLook notice{.Text = Qt::white, .Back = Qt::black, .PixelSize = 14, .Bold = true, .Radius = 4};
    FormEndofShoe =
        Place(MakeLabel(this, QStringLiteral("FormEndofShoe"), QStringLiteral("End of Shoe"), notice), 4620,
              60, 1935, 375);
    FormLastHand = Place(MakeLabel(this, QStringLiteral("FormLastHand"), QStringLiteral("Last Hand"), notice),
                         4680, 480, 1845, 375);
    FormEndofShoe->hide();
    FormLastHand->hide();

    lblHandsAtaTime =
        Place(MakeLabel(this, QStringLiteral("lblHandsAtaTime"), QStringLiteral("Hands at a Time"),
                        {.Text = WindowText, .PixelSize = 9, .Bold = true}),
              6720, 60, 735, 375);
    lblHandsAtaTime->setWordWrap(true);
    HandsAtaTime = Place(MakeBox(this, QStringLiteral("HandsAtaTime"), QStringLiteral("99"), 2,
                                 QStringLiteral("Enter Between 1 and 90"), 11),
                         7440, 90, 315, 315);
    HandsAtaTime->SetDigits(QStringLiteral("1"));

    lblUnitValue = Place(
        MakeLabel(
            this, QStringLiteral("lblUnitValue"), QStringLiteral("Unit Value:"),
            {.Text = WindowText, .PixelSize = 11, .Bold = true, .Align = Qt::AlignRight | Qt::AlignVCenter}),
        4710, 1110, 1035, 255);
    txtUnitValue = Place(MakeBox(this, QStringLiteral("txtUnitValue"), QStringLiteral("\\$9999"), 4,
                                 QStringLiteral("Enter between $1 and $9999"), 11),
                         5730, 1050, 585, 315);

    // Holds the keyboard focus when no input should; too small to be noticed on
    // the cloth.
    txtSetFocus = Place(new FocusHolder(QStringLiteral("txtSetFocus"), this), 180, 90, 70, 135);
}

void TableWindow::CreateSeatMoney() {
    const LabelLook heading{.Text = WindowText, .PixelSize = 14, .Bold = true};
    Label6 = Place(MakeLabel(this, QStringLiteral("Label6"), QStringLiteral("PLAYER 1"), heading), 3240, 1020,
                   1305, 315);
    Label7 = Place(MakeLabel(this, QStringLiteral("Label7"), QStringLiteral("PLAYER 2"), heading), 6540, 1020,
                   1305, 315);
    const LabelLook money{.Text = WindowText,
                          .Back = LightYellow,
                          .PixelSize = 12,
                          .Bold = true,
                          .Radius = 3,
                          .Border = QColor(120, 110, 40)};
    const LabelLook winnings{.Text = WindowText,
                             .Back = QColor(236, 244, 230),
                             .PixelSize = 12,
                             .Bold = true,
                             .Radius = 3,
                             .Border = QColor(90, 110, 90)};
    const LabelLook between{.Text = WindowText, .PixelSize = 10, .Bold = true};
    for (int seat = 0; seat < SeatCount; ++seat) {
        const int left = seat == 0 ? 3210 : 6510;
        seats_[seat].Total =
            Place(MakeLabel(this, IndexedName("lblPlayerTotal", seat), QStringLiteral("$0"), money), left,
                  1440, 1365, 255);
        seats_[seat].Winnings =
            Place(MakeLabel(this, IndexedName("lblPlayerWinnings", seat), QStringLiteral("$0"), winnings),
                  left, 1710, 1365, 255);
    }
    Label9 = Place(MakeLabel(this, QStringLiteral("Label9"), QStringLiteral("<- TOTAL ->"), between), 4890,
                   1470, 1335, 225);
    Label10 = Place(MakeLabel(this, QStringLiteral("Label10"), QStringLiteral("<- WINNINGS ->"), between),
                    4710, 1710, 1695, 225);
}

void TableWindow::CreateBettingArea() {
    // The layout of the felt: a panel for each seat's money, the betting area
    // with a column of spots in the middle (TIE, BANKER, PLAYER) and each seat's
    // bets on either side, rows parted by lines.
    auto shape = [this](int number, TableShape::Kind kind, int left, int top, int width, int height) {
        auto* made = Place(new TableShape(QStringLiteral("Shape%1").arg(number), kind, this), left, top,
                           width, height);
        Shape[number - 1] = made;
        return made;
    };
    auto line = [this](int number, TableShape::Kind kind, int left, int top, int width, int height) {
        auto* made =
            Place(new TableShape(QStringLiteral("Line%1").arg(number), kind, this), left, top, width, height);
        made->SetBorder(DarkYellow, 1.5);
        Line[number - 1] = made;
        return made;
    };
    const QColor spotFill(0, 60, 0, 55);
    shape(5, TableShape::Kind::RoundedRectangle, 3150, 975, 1470, 1005);
    shape(6, TableShape::Kind::RoundedRectangle, 6465, 975, 1470, 1005);
    shape(1, TableShape::Kind::RoundedRectangle, 3090, 2000, 4725, 2010);
    shape(2, TableShape::Kind::RoundedRectangle, 4605, 2025, 1785, 615);
    shape(3, TableShape::Kind::RoundedRectangle, 4605, 2685, 1785, 585);
    shape(4, TableShape::Kind::RoundedRectangle, 4605, 3315, 1785, 645);
    Shape[4]->SetBorder(QColor(192, 192, 0, 150), 1.0);
    Shape[4]->SetFill(QColor(0, 50, 0, 60));
    Shape[5]->SetBorder(QColor(192, 192, 0, 150), 1.0);
    Shape[5]->SetFill(QColor(0, 50, 0, 60));
    Shape[0]->SetBorder(DarkYellow, 2.0);
    Shape[0]->SetFill(QColor(0, 40, 0, 35));
    Shape[0]->SetRadius(14);
    for (int i = 1; i <= 3; ++i) {
        Shape[i]->SetBorder(DarkYellow, 1.5);
        Shape[i]->SetFill(spotFill);
        Shape[i]->SetRadius(18);
    }
    Shape[1]->SetFill(QColor(40, 60, 0, 70));
    line(1, TableShape::Kind::HorizontalLine, 3090, 2655, 1515, 30);
    line(2, TableShape::Kind::HorizontalLine, 3090, 3285, 1515, 30);
    line(3, TableShape::Kind::HorizontalLine, 6390, 2655, 1425, 30);
    line(4, TableShape::Kind::HorizontalLine, 6390, 3285, 1425, 30);
    line(5, TableShape::Kind::VerticalLine, 4515, 2010, 30, 1990);
    line(6, TableShape::Kind::VerticalLine, 6405, 2010, 30, 1990);

    Label3 = Place(MakeLabel(this, QStringLiteral("Label3"), QStringLiteral("TIE"),
                             {.Text = DarkYellow, .PixelSize = 19, .Bold = true}),
                   5280, 1980, 555, 465);
    Label8 = Place(
        MakeLabel(
            this, QStringLiteral("Label8"), QStringLiteral("Pays 8 To 1"),
            {.Text = DarkYellow, .PixelSize = 11, .Bold = true, .Align = Qt::AlignHCenter | Qt::AlignTop}),
        5130, 2370, 1125, 315);
    Label5 = Place(MakeLabel(this, QStringLiteral("Label5"), QStringLiteral("BANKER"),
                             {.Text = Navy, .PixelSize = 19, .Bold = true}),
                   4830, 2730, 1485, 465);
    Label4 = Place(MakeLabel(this, QStringLiteral("Label4"), QStringLiteral("PLAYER"),
                             {.Text = Red, .PixelSize = 19, .Bold = true}),
                   4890, 3360, 1425, 495);
}

void TableWindow::CreateSeatBets(int seat) {
    const int shift = seat == 0 ? 0 : 3300;
    // Top to bottom: Tie, Banker, Player.
    struct Row {
        BetSpot Spot;
        const char* Name; // "Tie" names txtTieBet, txtTieBetValue
        char Letter;      // 'T' names lblTWin, lblTLose, lblTBetInc0 ...
        int Top;
    };
    constexpr std::array<Row, 3> rows{{{BetSpot::Tie, "Tie", 'T', 2040},
                                       {BetSpot::Banker, "Banker", 'B', 2670},
                                       {BetSpot::Player, "Player", 'P', 3300}}};
    const LabelLook value{.Text = WindowText,
                          .Back = QColor(255, 255, 240),
                          .PixelSize = 11,
                          .Bold = true,
                          .Radius = 3,
                          .Border = QColor(120, 120, 80)};
    const LabelLook won{.Text = DarkYellow,
                        .Back = Cyan,
                        .PixelSize = 11,
                        .Bold = true,
                        .Radius = 3,
                        .Border = QColor(0, 90, 90)};
    const LabelLook lost{.Text = Red,
                         .Back = QColor(255, 236, 236),
                         .PixelSize = 10,
                         .Bold = true,
                         .Radius = 3,
                         .Border = Red};
    const LabelLook increment{.Text = WindowText,
                              .Back = QColor(250, 246, 225),
                              .PixelSize = 10,
                              .Bold = true,
                              .Radius = 2,
                              .Border = QColor(90, 70, 10),
                              .MarginRight = 1};
    constexpr std::array<int, 4> incLeft{3960, 4080, 4200, 4320};
    constexpr std::array<const char*, 4> incCaption{"0", "1", "2", "5"};
    for (const Row& row : rows) {
        const bool tie = row.Spot == BetSpot::Tie;
        const QString name = QLatin1String(row.Name);
        Spot& spot = seats_[seat].On(row.Spot);
        spot.Box = Place(MakeBox(this, Indexed("txt" + name + "Bet", seat),
                                 tie ? QStringLiteral("99") : QStringLiteral("999"), tie ? 2 : 3,
                                 tie ? QStringLiteral("Enter between 0 and 20 units")
                                     : QStringLiteral("Enter between 0 and 100 units"),
                                 12),
                         3480 + shift, row.Top, 405, 315);
        spot.Box->SetDigits(QStringLiteral("0"));
        for (std::size_t k = 0; k < 4; ++k) {
            const QString incName =
                QStringLiteral("lbl%1BetInc%2").arg(QLatin1Char(row.Letter)).arg(incCaption[k]);
            auto* inc = new ClickLabel(Indexed(incName, seat), QLatin1String(incCaption[k]), this);
            Style(inc, increment);
            inc->setCursor(Qt::PointingHandCursor);
            inc->setToolTip(k == 0   ? QStringLiteral("Clear %1 Bet").arg(name)
                            : k == 1 ? QStringLiteral("Add 1 Unit")
                                     : QStringLiteral("Add %1 Units").arg(incCaption[k]));
            Place(inc, incLeft[k] + shift, row.Top + 30, 135, 255);
            spot.Labels[k] = inc;
        }
        spot.Value =
            Place(MakeLabel(this, Indexed("txt" + name + "BetValue", seat), QStringLiteral("$0"), value),
                  3150 + shift, row.Top + 360, 765, 255);
        spot.Value->hide();
        // The win and lose marks sit beside the value, under the increment labels.
        const QString letter(QLatin1Char(row.Letter));
        spot.Win = Place(MakeLabel(this, Indexed("lbl" + letter + "Win", seat), QStringLiteral("WIN"), won),
                         3945 + shift, row.Top + 300, 510, 255);
        spot.Lose =
            Place(MakeLabel(this, Indexed("lbl" + letter + "Lose", seat), QStringLiteral("LOSE"), lost),
                  3945 + shift, row.Top + 330, 510, 255);
        spot.Win->hide();
        spot.Lose->hide();
    }
}

void TableWindow::CreateCardSlot(int slot) {
    const QPoint origin = TwipsPoint(SlotLeft[slot], SlotTop[slot]);
    auto place = [origin](QWidget* widget, int left, int top, int width, int height) {
        widget->setGeometry(TwipsRect(left, top, width, height).translated(origin));
    };
    slots_[slot].Shadow =
        new TableShape(IndexedName("shpCardShadow", slot), TableShape::Kind::RoundedRectangle, this);
    slots_[slot].Shadow->SetBorder(Qt::transparent, 0);
    slots_[slot].Shadow->SetFill(QColor(0, 0, 0, 110));
    slots_[slot].Shadow->SetRadius(4);
    place(slots_[slot].Shadow, 45, 45, 1065, 1440);

    slots_[slot].Face = new PictureBox(IndexedName("pctCardFace", slot), this);
    place(slots_[slot].Face, 0, 0, 1065, 1440);

    slots_[slot].Patches[0] = MakePatch(this, IndexedName("pctCardTopLeft", slot));
    slots_[slot].Patches[1] = MakePatch(this, IndexedName("pctCardTopRight", slot));
    slots_[slot].Patches[2] = MakePatch(this, IndexedName("pctCardBottomLeft", slot));
    slots_[slot].Patches[3] = MakePatch(this, IndexedName("pctCardBottomRight", slot));
    place(slots_[slot].Patches[0], 30, 45, 129, 390);
    place(slots_[slot].Patches[1], 900, 45, 129, 390);
    place(slots_[slot].Patches[2], 30, 1005, 129, 390);
    place(slots_[slot].Patches[3], 900, 1005, 129, 390);
    slots_[slot].WidePatches[0] = MakePatch(this, IndexedName("pctCardTopLeftWide", slot));
    slots_[slot].WidePatches[1] = MakePatch(this, IndexedName("pctCardTopRightWide", slot));
    slots_[slot].WidePatches[2] = MakePatch(this, IndexedName("pctCardBottomLeftWide", slot));
    slots_[slot].WidePatches[3] = MakePatch(this, IndexedName("pctCardBottomRightWide", slot));
    place(slots_[slot].WidePatches[0], 45, 45, 159, 390);
    place(slots_[slot].WidePatches[1], 855, 45, 165, 390);
    place(slots_[slot].WidePatches[2], 45, 1005, 159, 390);
    place(slots_[slot].WidePatches[3], 855, 1005, 159, 390);

    slots_[slot].Back = new PictureBox(IndexedName("pctCardBack", slot), this);
    place(slots_[slot].Back, 0, 0, 1065, 1440);
    slots_[slot].Back->setToolTip(QStringLiteral("Click to reveal card"));
    slots_[slot].Back->setCursor(Qt::PointingHandCursor);
    connect(slots_[slot].Back, &PictureBox::Clicked, this, [this, slot] { pctCardBack_Click(slot); });
    connect(slots_[slot].Back, &PictureBox::MouseMoved, this, [this, slot] { pctCardBack_MouseMove(slot); });

    slots_[slot].Bottom =
        new SqueezeHandle(IndexedName("lblCardBottom", slot), SqueezeHandle::Edge::Bottom, this);
    place(slots_[slot].Bottom, 0, 1440, 1065, 135);
    slots_[slot].Bottom->setToolTip(QStringLiteral("To reveal card - press left mouse button and move up"));
    connect(slots_[slot].Bottom, &SqueezeHandle::MouseMoved, this,
            [this, slot](int, int y) { lblCardBottom_MouseMove(slot, y); });
    connect(slots_[slot].Bottom, &SqueezeHandle::MouseUp, this,
            [this, slot] { lblCardBottom_MouseUp(slot); });
    slots_[slot].Right =
        new SqueezeHandle(IndexedName("lblCardRight", slot), SqueezeHandle::Edge::Right, this);
    place(slots_[slot].Right, 1065, 0, 135, 1440);
    slots_[slot].Right->setToolTip(QStringLiteral("To reveal card - press left mouse button and move left"));
    connect(slots_[slot].Right, &SqueezeHandle::MouseMoved, this,
            [this, slot](int x, int) { lblCardRight_MouseMove(slot, x); });
    connect(slots_[slot].Right, &SqueezeHandle::MouseUp, this, [this, slot] { lblCardRight_MouseUp(slot); });

    for (QWidget* part :
         std::initializer_list<QWidget*>{slots_[slot].Shadow, slots_[slot].Face, slots_[slot].Back,
                                         slots_[slot].Bottom, slots_[slot].Right}) {
        part->hide();
    }
}

void TableWindow::Form_Load() {
    RestorePosition();
    CardHeight = Twips(slots_[0].Back->height());
    CardWidth = Twips(slots_[0].Back->width());
    PointerReset = true;
    const bool shoeContinues = TheTableGame().TableOpened();
    txtUnitValue->SetDigits(QStringLiteral("50"));
    for (int seat = 0; seat < SeatCount; ++seat) {
        seats_[seat].On(BetSpot::Player).Box->SetDigits(QStringLiteral("0"));
        seats_[seat].On(BetSpot::Banker).Box->SetDigits(QStringLiteral("0"));
        seats_[seat].On(BetSpot::Tie).Box->SetDigits(QStringLiteral("0"));
    }
    const QPixmap back = CardImage(CardBackImage);
    for (Slot& slot : slots_) {
        slot.Back->setPixmap(back);
    }
    pctCardBackMove->setPixmap(back);
    LoadMoneyCaptions();
    maisyk->setText(ShuffleCaption());
    duokkortos->setText(DealCaption());
    if (shoeContinues) {
        // A table closed in mid-shoe comes back to the same shoe, its bets cleared.
        FormLastHand->setVisible(TheTableGame().TheShoeInPlay().LastHand);
        return;
    }
    // Nothing can be dealt before the first shuffle: say so rather than ignore
    // the click.
    duokkortos->setEnabled(false);
    duokkortos->setToolTip(QStringLiteral("Press Shuffle first to make a new shoe"));
}

void TableWindow::LoadMoneyCaptions() {
    for (int seat = 0; seat < SeatCount; ++seat) {
        const std::string section = SeatStatsSection(seat);
        const OpeningMoney money = MoneyAtOpening(Stored(section, "Steak"), Stored(section, "Win"));
        seats_[seat].Winnings->setText(MoneyCaption(money.Winnings));
        seats_[seat].Total->setText(MoneyCaption(money.Total));
    }
}

bool TableWindow::Form_Unload() {
    if (DealInProgress) {
        ShowMessage(QStringLiteral("Must wait for deal to end."), MsgIcon::Exclamation, MsgButtons::Ok, this);
        return false;
    }
    SavePosition();
    // The shoe stays with the game: the table brought back from the Window menu
    // deals on from it.
    return true;
}

void TableWindow::ResultsInvisible() {
    for (QLabel* result : {PTotal, BTotal, TieResultP, TieResultB, WinP, WinB, lblNaturalP, lblNaturalB}) {
        result->hide();
    }
    for (int seat = 0; seat < SeatCount; ++seat) {
        for (QLabel* mark : {seats_[seat].On(BetSpot::Tie).Lose, seats_[seat].On(BetSpot::Banker).Lose,
                             seats_[seat].On(BetSpot::Player).Lose, seats_[seat].On(BetSpot::Tie).Win,
                             seats_[seat].On(BetSpot::Banker).Win, seats_[seat].On(BetSpot::Player).Win}) {
            mark->hide();
        }
        const std::array<std::pair<MaskedEdit*, QLabel*>, 3> bets{
            {{seats_[seat].On(BetSpot::Tie).Box, seats_[seat].On(BetSpot::Tie).Value},
             {seats_[seat].On(BetSpot::Banker).Box, seats_[seat].On(BetSpot::Banker).Value},
             {seats_[seat].On(BetSpot::Player).Box, seats_[seat].On(BetSpot::Player).Value}}};
        for (const auto& [box, valueLabel] : bets) {
            if (box->Number() == 0) {
                valueLabel->setText(QStringLiteral("0"));
                valueLabel->hide();
            }
        }
    }
}

void TableWindow::paintEvent(QPaintEvent* event) {
    // The cloth is drawn once per window size; a repaint copies the part that
    // needs it, so a card flying across the table costs little.
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (feltCache_.size() != pixels) {
        feltCache_ = QPixmap(pixels);
        feltCache_.setDevicePixelRatio(ratio);
        QPainter cloth(&feltCache_);
        const QRectF area = rect();
        cloth.fillRect(area, Felt);
        // Lamp light on the cloth: the base green under the lamp, a little darker
        // toward the rail.
        QRadialGradient light(area.center(), std::max(area.width(), area.height()) * 0.62);
        light.setColorAt(0.0, QColor(0, 128, 0, 0));
        light.setColorAt(0.55, QColor(0, 0, 0, 18));
        light.setColorAt(1.0, QColor(0, 0, 0, 70));
        cloth.fillRect(area, light);
        QRadialGradient sheen(QPointF(area.center().x(), area.height() * 0.4), area.width() * 0.35);
        sheen.setColorAt(0.0, QColor(255, 255, 200, 18));
        sheen.setColorAt(1.0, QColor(255, 255, 200, 0));
        cloth.fillRect(area, sheen);
        cloth.drawTiledPixmap(area, felt_);
    }
    QPainter painter(this);
    const QRect dirty = event->rect();
    painter.drawPixmap(dirty, feltCache_,
                       QRectF(QPointF(dirty.topLeft()) * ratio, QSizeF(dirty.size()) * ratio));
}

void TableWindow::mouseMoveEvent(QMouseEvent* event) {
    ChildWindow::mouseMoveEvent(event);
    Form_MouseMove();
}

} // namespace bacc
