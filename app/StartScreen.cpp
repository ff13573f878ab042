#include "StartScreen.h"

#include "Artwork.h"
#include "HelpViewer.h"
#include "IniFile.h"
#include "MainWindow.h"
#include "MessageBox.h"
#include "Palette.h"
#include "Program.h"
#include "ProgramEnd.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace bacc {
namespace {

QPointer<StartScreen> startScreen;

QLabel* NewLabel(QWidget* parent, const char* name, const QString& text = QString()) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

QPushButton* NewButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setMinimumWidth(96);
    return button;
}

} // namespace

StartScreen::StartScreen(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Plauk"));
    setWindowIcon(ProgramIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    setAutoFillBackground(true);
    QPalette shade = palette();
    shade.setColor(QPalette::Window, palette::StartScreenGreen);
    shade.setColor(QPalette::WindowText, palette::StartScreenText);
    setPalette(shade);

    const qreal ratio = devicePixelRatioF();
    auto* picture = NewLabel(this, "Picture1");
    picture->setPixmap(TableBannerPicture(QSize(540, 96), ratio));
    picture->setAlignment(Qt::AlignCenter);

    auto* cards = NewLabel(this, "Image1");
    cards->setPixmap(FannedCardsPicture(QSize(150, 132), ratio));
    auto* chips = NewLabel(this, "Image2");
    chips->setPixmap(ChipStackPicture(QSize(130, 110), ratio));

    auto* label1 =
        NewLabel(this, "Label1",
                 QStringLiteral("Improve your Baccarat skills\n"
                                "Try BETTING STRATEGIES and MONEY MANAGEMENT without risking money"));
    label1->setAlignment(Qt::AlignCenter);
    label1->setWordWrap(true);
    QFont strong = label1->font();
    strong.setBold(true);
    label1->setFont(strong);

    auto* label4 = NewLabel(this, "Label4");
    label4->setAlignment(Qt::AlignCenter);
    label4->setWordWrap(true);
    QPalette soft = label4->palette();
    soft.setColor(QPalette::WindowText, palette::Gold);
    label4->setPalette(soft);

    auto* start = NewButton(this, "cmdStart", QString());
    start->setIcon(QIcon(StartChipPicture(88, ratio)));
    start->setIconSize(QSize(88, 88));
    start->setFlat(true);
    start->setFixedSize(100, 100);
    start->setToolTip(QStringLiteral("Click to START Quorrel Baccarat"));
    start->setCursor(Qt::PointingHandCursor);
    // Enter starts, as in a dialog: the focused button takes it, Start when none has moved the focus.
    start->setDefault(true);

    auto* command1 = NewButton(this, "Command1", tr("&Start"));
    auto* help = NewButton(this, "cmdHelp", tr("&HELP"));
    auto* quit = NewButton(this, "cmdQuit", tr("&Exit"));
    auto* version = NewLabel(this, "lblVersion");
    for (QPushButton* button : {start, command1, help, quit}) {
        button->setAutoDefault(true);
    }

    connect(start, &QPushButton::clicked, this, &StartScreen::cmdStart_Click);
    connect(command1, &QPushButton::clicked, this, &StartScreen::Command1_Click);
    connect(help, &QPushButton::clicked, this, &StartScreen::cmdHelp_Click);
    connect(quit, &QPushButton::clicked, this, &StartScreen::cmdQuit_Click);

    auto* middle = new QVBoxLayout;
    middle->addWidget(label1);
    middle->addWidget(start, 0, Qt::AlignHCenter);
    middle->addWidget(label4);
    auto* row = new QHBoxLayout;
    row->addWidget(cards, 0, Qt::AlignVCenter);
    row->addLayout(middle, 1);
    row->addWidget(chips, 0, Qt::AlignVCenter);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(version);
    buttons->addStretch();
    buttons->addWidget(command1);
    buttons->addWidget(help);
    buttons->addWidget(quit);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 12);
    layout->addWidget(picture);
    layout->addLayout(row, 1);
    layout->addLayout(buttons);

    setFixedSize(QSize(580, 380));
    // A window of fixed size: the buttons are named, so the window manager adds no maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
}

bool StartScreen::Form_Load() {
    if (!LocateSettingsFile()) {
        return false;
    }
    findChild<QLabel*>(QStringLiteral("lblVersion"))->setText(ProgramVersionText());
    findChild<QLabel*>(QStringLiteral("Label4"))
        ->setText(QStringLiteral("Deal, squeeze and mark the shoe at your own pace"));
    setWindowTitle(QStringLiteral("Welcome to Quorrel Baccarat"));
    findChild<QPushButton*>(QStringLiteral("cmdStart"))->setFocus();
    return true;
}

void StartScreen::Start() {
    OpenMainWindow();
}

void StartScreen::cmdStart_Click() {
    Start();
}
void StartScreen::Command1_Click() {
    Start();
}

void StartScreen::cmdHelp_Click() {
    ShowHelpContext(StartScreenHelpTopic, this);
}

void StartScreen::cmdQuit_Click() {
    // The main window is not open yet, so closing the start screen ends the program.
    close();
}

void StartScreen::Form_KeyPress(int keyAscii) {
    switch (keyAscii) {
    case 'S':
    case 's':
        Start();
        break;
    case 'H':
    case 'h':
        cmdHelp_Click();
        break;
    case 'E':
    case 'e':
        close();
        break;
    case '\r':
        Start(); // Enter with the focus on none of the buttons: the default button, Start
        break;
    default:
        break;
    }
}

void StartScreen::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        cmdHelp_Click(); // the help key of every window of the game, as H is this screen's own
        event->accept();
        return;
    }
    const QString text = event->text();
    if (text.size() == 1 && text.at(0).unicode() < 128 &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        Form_KeyPress(text.at(0).unicode());
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void StartScreen::closeEvent(QCloseEvent* event) {
    event->accept();
    if (!handedOver_) {
        EndProgram();
    }
}

StartScreen* TheStartScreen() {
    return startScreen;
}

StartScreen* CreateStartScreen() {
    if (!startScreen) {
        startScreen = new StartScreen;
    }
    return startScreen;
}

void CloseStartScreen() {
    if (startScreen) {
        startScreen->handedOver_ = true;
        startScreen->close();
    }
}

} // namespace bacc
