#include "MessageBox.h"

#include <cstdio>

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace bacc {

namespace {

QMessageBox::Icon ToQtIcon(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::Critical:
        return QMessageBox::Critical;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// A box sizes itself to its text alone, so a short message gets a title bar too narrow for the
// program's name. The width that caption needs in the title font, with room for the window icon and
// three title-bar buttons.
int TitleRoom(const QString& caption) {
    const QFontMetrics metrics(QFontDatabase::systemFont(QFontDatabase::TitleFont));
    return metrics.horizontalAdvance(caption) + 4 * (metrics.height() + 8) + 16;
}

class QtMessagePresenter : public MessagePresenter {
public:
    MsgResult Present(const MessageRequest& request, QWidget* parent) override {
        if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
            // No windows can be shown: say it on the error stream and take the safe answer.
            std::fprintf(stderr, "%s: %s\n", qUtf8Printable(request.Caption), qUtf8Printable(request.Text));
            return request.Buttons == MsgButtons::OkCancel ? MsgResult::Cancel : MsgResult::Ok;
        }
        QMessageBox box(ToQtIcon(request.Icon), request.Caption, request.Text, QMessageBox::Ok, parent);
        if (request.Buttons == MsgButtons::OkCancel) {
            box.addButton(QMessageBox::Cancel);
            box.setDefaultButton(QMessageBox::Cancel);
            box.setEscapeButton(QMessageBox::Cancel);
        } else {
            box.setDefaultButton(QMessageBox::Ok);
            box.setEscapeButton(QMessageBox::Ok);
        }
        // The box fixes its own size from its layout when shown; a strut in the layout widens it.
        if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
            grid->addItem(new QSpacerItem(TitleRoom(request.Caption), 0, QSizePolicy::Minimum),
                          grid->rowCount(), 0, 1, grid->columnCount());
        }
        const int answer = box.exec();
        return answer == QMessageBox::Ok ? MsgResult::Ok : MsgResult::Cancel;
    }
};

QtMessagePresenter qtPresenter;
MessagePresenter* activePresenter = nullptr;

} // namespace

MsgResult ShowMessage(const QString& text, MsgIcon icon, MsgButtons buttons, QWidget* parent,
                      const QString& caption) {
    MessageRequest request;
    request.Caption = caption;
    request.Text = text;
    request.Icon = icon;
    request.Buttons = buttons;
    MessagePresenter* presenter = activePresenter != nullptr ? activePresenter : &qtPresenter;
    return presenter->Present(request, parent);
}

void SetMessagePresenter(MessagePresenter* presenter) {
    activePresenter = presenter;
}

} // namespace bacc
