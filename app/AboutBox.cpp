#include "AboutBox.h"

#include "Artwork.h"
#include "MessageBox.h"
#include "Program.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace bacc {
namespace {
QPointer<AboutBox> aboutBox;
} // namespace

QString AboutBox::Description() {
    return QStringLiteral(
        "Improve your Betting Strategy and Money Management by using the marking card to practise the trend "
        "spotting skills that are necessary for successful baccarat. At the same time have some fun "
        "revealing "
        "the face of the cards as done in the casinos. PLease spend some time reading the HELP screens for "
        "the "
        "many other features of Quorrel Baccarat.");
}

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("KasSitas"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(ProgramPicture(96, devicePixelRatioF()));
    image->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* title = new QLabel(ProgramTitle, this);
    title->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    titleFont.setBold(true);
    title->setFont(titleFont);

    auto* version = new QLabel(this);
    version->setObjectName(QStringLiteral("lblVersion"));

    auto* description = new QLabel(this);
    description->setObjectName(QStringLiteral("lblDescription"));
    description->setWordWrap(true);
    description->setMinimumWidth(320);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &AboutBox::cmdOK_Click);

    auto* text = new QVBoxLayout;
    text->addWidget(title);
    text->addWidget(version);
    text->addSpacing(8);
    text->addWidget(description);
    text->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(image);
    top->addSpacing(12);
    top->addLayout(text, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);

    Form_Load();
}

void AboutBox::Form_Load() {
    setWindowTitle(QStringLiteral("About ") + ProgramTitle);
    findChild<QLabel*>(QStringLiteral("lblVersion"))->setText(ProgramVersionText());
    findChild<QLabel*>(QStringLiteral("lblDescription"))->setText(Description());
}

void AboutBox::cmdOK_Click() {
    close();
}

AboutBox* ShowAboutBox(QWidget* parent) {
    if (!aboutBox) {
        aboutBox = new AboutBox(parent);
        aboutBox->setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
    }
    aboutBox->show();
    aboutBox->raise();
    aboutBox->activateWindow();
    return aboutBox;
}

AboutBox* TheAboutBox() {
    return aboutBox;
}

} // namespace bacc
