#include "HelpViewer.h"

#include "IniFile.h"
#include "MessageBox.h"

#include <algorithm>

#include <QFileInfo>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>

namespace bacc {

namespace {

// Anchors of the topics in the help document, by context number.
struct HelpTopic {
    int context;
    const char* anchor;
};
constexpr HelpTopic HelpTopics[] = {{StartScreenHelpTopic, "start-screen"}};
const QString ContentsAnchor = QStringLiteral("contents");

class HelpWindow : public QWidget {
public:
    HelpWindow() {
        setObjectName(QStringLiteral("frmHelp"));
        setAttribute(Qt::WA_DeleteOnClose);
        setWindowTitle(ProgramTitle + QStringLiteral(" Help"));

        browser_ = new QTextBrowser(this);
        browser_->setObjectName(QStringLiteral("txtHelp"));
        browser_->setOpenExternalLinks(true);

        auto* contents = new QPushButton(QStringLiteral("&Contents"), this);
        contents->setObjectName(QStringLiteral("cmdContents"));
        auto* back = new QPushButton(QStringLiteral("&Back"), this);
        back->setObjectName(QStringLiteral("cmdBack"));
        auto* forward = new QPushButton(QStringLiteral("&Forward"), this);
        forward->setObjectName(QStringLiteral("cmdForward"));
        auto* close = new QPushButton(QStringLiteral("C&lose"), this);
        close->setObjectName(QStringLiteral("cmdClose"));
        back->setEnabled(false);
        forward->setEnabled(false);

        connect(contents, &QPushButton::clicked, this, [this] { ShowAnchor(ContentsAnchor); });
        connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
        connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
        connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
        connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
        connect(close, &QPushButton::clicked, this, &QWidget::close);
        auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
        connect(escape, &QShortcut::activated, this, &QWidget::close);

        auto* buttons = new QHBoxLayout;
        buttons->addWidget(contents);
        buttons->addWidget(back);
        buttons->addWidget(forward);
        buttons->addStretch();
        buttons->addWidget(close);
        auto* layout = new QVBoxLayout(this);
        layout->addLayout(buttons);
        layout->addWidget(browser_);
        resize(640, 600);
    }

    void Load(const QString& path) {
        const QUrl url = QUrl::fromLocalFile(path);
        if (browser_->source().adjusted(QUrl::RemoveFragment) != url) {
            browser_->setSource(url);
            browser_->clearHistory();
        }
    }

    void ShowAnchor(const QString& anchor) {
        QUrl url = browser_->source();
        url.setFragment(anchor);
        browser_->setSource(url);
        browser_->scrollToAnchor(anchor);
    }

    QTextBrowser* Browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};

QPointer<HelpWindow> openWindow;

// Beside the window that asked for help, not on top of it, and wholly on its screen: made smaller when
// the screen is small. The help window's frame is not known before it is shown; it is taken to be as
// wide as the owner's.
void PlaceBeside(QWidget* window, const QWidget* owner) {
    const QRect ownerFrame = owner->frameGeometry();
    const QRect ownerInside = owner->geometry();
    const QMargins frame(ownerInside.left() - ownerFrame.left(), ownerInside.top() - ownerFrame.top(),
                         ownerFrame.right() - ownerInside.right(),
                         ownerFrame.bottom() - ownerInside.bottom());
    QPoint place(ownerFrame.right() + 1 - (window->width() + frame.left() + frame.right()),
                 ownerFrame.top() + 40);
    if (const QScreen* screen = owner->screen()) {
        const QRect available = screen->availableGeometry();
        window->resize(window->size().boundedTo(available.marginsRemoved(frame).size()));
        const QSize outer = window->size().grownBy(frame);
        place.setX(
            std::clamp(place.x(), available.left(), available.left() + available.width() - outer.width()));
        place.setY(
            std::clamp(place.y(), available.top(), available.top() + available.height() - outer.height()));
    }
    window->move(place);
}

void ShowHelpAt(const QString& anchor, QWidget* parent) {
    const QString path = HelpPath();
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        ShowMessage(
            QStringLiteral("The Help file for Quorrel Baccarat cannot be found:\n%1\n\nPlease re-install "
                           "Quorrel Baccarat")
                .arg(path.isEmpty() ? QStringLiteral("BACCARAT.HLP") : path),
            MsgIcon::Exclamation, MsgButtons::Ok, parent);
        return;
    }
    if (openWindow == nullptr) {
        openWindow = new HelpWindow;
        if (parent != nullptr && parent->window()->isVisible()) {
            PlaceBeside(openWindow, parent->window());
        }
    }
    openWindow->Load(path);
    openWindow->ShowAnchor(anchor);
    openWindow->show();
    openWindow->raise();
    openWindow->activateWindow();
}

} // namespace

void ShowHelpContents(QWidget* parent) {
    ShowHelpAt(ContentsAnchor, parent);
}

void ShowHelpContext(int context, QWidget* parent) {
    for (const HelpTopic& topic : HelpTopics) {
        if (topic.context == context) {
            ShowHelpAt(QString::fromLatin1(topic.anchor), parent);
            return;
        }
    }
    ShowHelpAt(ContentsAnchor, parent);
}

void ShowHelpTopic(const QString& anchor, QWidget* parent) {
    ShowHelpAt(anchor.isEmpty() ? ContentsAnchor : anchor, parent);
}

QTextBrowser* HelpBrowser() {
    return openWindow != nullptr ? openWindow->Browser() : nullptr;
}

} // namespace bacc
