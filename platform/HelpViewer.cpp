#include "HelpViewer.h"

#include "IniFile.h"
#include "MessageBox.h"

#include <algorithm>

#include <QFileInfo>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
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
        // Beside the window that asked for help, not on top of it, when the screen allows.
        if (parent != nullptr && parent->window()->isVisible()) {
            const QRect owner = parent->window()->frameGeometry();
            QPoint place(owner.right() - openWindow->width(), owner.top() + 40);
            if (const QScreen* screen = parent->window()->screen()) {
                const QRect available = screen->availableGeometry();
                // On a screen smaller than the window its top left corner stays on the screen.
                place.setX(
                    std::max(std::min(place.x(), available.right() - openWindow->width()), available.left()));
                place.setY(std::max(std::min(place.y(), available.bottom() - openWindow->height()),
                                    available.top()));
            }
            openWindow->move(place);
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

QTextBrowser* HelpBrowser() {
    return openWindow != nullptr ? openWindow->Browser() : nullptr;
}

} // namespace bacc
