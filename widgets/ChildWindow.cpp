#include "ChildWindow.h"

#include "IniFile.h"
#include "NumberText.h"
#include "Twips.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace bacc {
namespace {
QPointer<QMdiArea> host;
} // namespace

int ReadTwips(const QString& section, const char* key) {
    return static_cast<int>(RoundHalfAway(LeadingNumber(ReadIni(section, key).toStdString())));
}
void WriteTwips(const QString& section, const char* key, int twips) {
    WriteIni(section, key, IniNumber(twips));
}

QString IndexedName(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}
QString IniNumber(double value) {
    return QString::fromStdString(NumberText(value));
}

void RestoreWindowPlace(QWidget* frame, const QString& section, const QSize& designSize, bool keepsSize) {
    frame->move(Px(ReadTwips(section, "Left")), Px(ReadTwips(section, "Top")));
    if (!keepsSize) {
        return;
    }
    const QSize stored(Px(ReadTwips(section, "Width")), Px(ReadTwips(section, "Height")));
    const bool usable = stored.width() >= designSize.width() && stored.height() >= designSize.height();
    frame->resize(usable ? stored : designSize);
}

void SaveWindowPlace(const QWidget* frame, const QString& section, const QSize& designSize, bool keepsSize) {
    // pos() is the outer corner for a top-level window and the sub-window's place in the client area;
    // both are what move() accepts back.
    WriteTwips(section, "Top", Twips(frame->pos().y()));
    WriteTwips(section, "Left", Twips(frame->pos().x()));
    if (keepsSize) {
        const QSize size = frame->size().expandedTo(designSize);
        WriteTwips(section, "Height", Twips(size.height()));
        WriteTwips(section, "Width", Twips(size.width()));
    }
}

void SetWindowHost(QMdiArea* area) {
    host = area;
}
QMdiArea* WindowHost() {
    return host;
}

ChildWindow::ChildWindow(const QString& objectName, const QString& settingsSection, bool keepsSize,
                         QWidget* parent)
    : QWidget(parent), section_(settingsSection), keepsSize_(keepsSize) {
    setObjectName(objectName);
    setAttribute(Qt::WA_DeleteOnClose);
}

void ChildWindow::ShowInHost() {
    if (host && !subWindow_) {
        subWindow_ = host->addSubWindow(this);
        subWindow_->setAttribute(Qt::WA_DeleteOnClose);
        subWindow_->setWindowTitle(windowTitle());
        subWindow_->setObjectName(objectName() + QStringLiteral("Frame"));
        if (!keepsSize_) {
            subWindow_->setWindowFlags(subWindow_->windowFlags() & ~Qt::WindowMaximizeButtonHint);
        }
    }
    Frame()->show();
    if (!keepsSize_ && designSize_.isValid()) {
        Frame()->adjustSize();
    }
}

void ChildWindow::BringToFront() {
    QWidget* frame = Frame();
    if (frame->isMinimized()) {
        frame->showNormal();
    }
    frame->show();
    frame->raise();
    if (subWindow_ && subWindow_->mdiArea()) {
        subWindow_->mdiArea()->setActiveSubWindow(subWindow_);
    } else {
        activateWindow();
    }
}

QWidget* ChildWindow::Frame() {
    return subWindow_ ? static_cast<QWidget*>(subWindow_.data()) : this;
}

void ChildWindow::SetDesignSize(const QSize& pixels) {
    designSize_ = pixels;
    resize(pixels);
    if (!keepsSize_) {
        setFixedSize(pixels);
    }
}

QSize ChildWindow::DesignFrameSize() const {
    const QSize inner = designSize_.isValid() ? designSize_ : size();
    // The sub-window's own hint is its child's hint with the title bar and borders round it.
    return subWindow_ ? inner + (subWindow_->sizeHint() - sizeHint()) : inner;
}

QSize ChildWindow::sizeHint() const {
    return designSize_.isValid() ? designSize_ : QWidget::sizeHint();
}

void ChildWindow::SetCaption(const QString& caption) {
    setWindowTitle(caption);
    if (subWindow_) {
        subWindow_->setWindowTitle(caption);
    }
}

void ChildWindow::RestorePosition() {
    RestoreWindowPlace(Frame(), section_, DesignFrameSize(), keepsSize_);
}

void ChildWindow::SavePosition() {
    SaveWindowPlace(Frame(), section_, DesignFrameSize(), keepsSize_);
}

bool ChildWindow::Form_Unload() {
    SavePosition();
    return true;
}

void ChildWindow::closeEvent(QCloseEvent* event) {
    if (!Form_Unload()) {
        event->ignore();
        return;
    }
    event->accept();
}

} // namespace bacc
