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
    WriteIni(section, key, QString::fromStdString(NumberText(twips)));
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

void ChildWindow::SetCaption(const QString& caption) {
    setWindowTitle(caption);
    if (subWindow_) {
        subWindow_->setWindowTitle(caption);
    }
}

void ChildWindow::RestorePosition() {
    QWidget* frame = Frame();
    const int top = ReadTwips(section_, "Top");
    const int left = ReadTwips(section_, "Left");
    frame->move(Px(left), Px(top));
    if (keepsSize_) {
        const int height = ReadTwips(section_, "Height");
        const int width = ReadTwips(section_, "Width");
        if (height > 0 && width > 0) {
            frame->resize(Px(width), Px(height));
        } else if (designSize_.isValid()) {
            resize(designSize_);
            if (subWindow_) {
                subWindow_->adjustSize();
            }
        }
    }
}

void ChildWindow::SavePosition() {
    // pos() is the outer corner for a top-level window and the sub-window's place in the client area;
    // both are what move() accepts back.
    const QWidget* frame = Frame();
    WriteTwips(section_, "Top", Twips(frame->pos().y()));
    WriteTwips(section_, "Left", Twips(frame->pos().x()));
    if (keepsSize_) {
        WriteTwips(section_, "Height", Twips(frame->height()));
        WriteTwips(section_, "Width", Twips(frame->width()));
    }
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
