#pragma once

#include <QString>

class QWidget;

// Modal message boxes, all captioned with the program's title. Tests replace the presenter to answer
// the boxes and read their text.
namespace bacc {

inline const QString ProgramTitle = QStringLiteral("Quorrel Baccarat");

enum class MsgIcon { None, Exclamation, Information, Critical };
enum class MsgButtons { Ok, OkCancel }; // OkCancel always has Cancel as the default button
enum class MsgResult { Ok, Cancel };

struct MessageRequest {
    QString Caption; // the program title unless a caller names another
    QString Text;
    MsgIcon Icon = MsgIcon::None;
    MsgButtons Buttons = MsgButtons::Ok;
};

class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    virtual MsgResult Present(const MessageRequest& request, QWidget* parent) = 0;
};

// Shows a modal box and answers the button chosen (Ok for a box with only OK).
MsgResult ShowMessage(const QString& text, MsgIcon icon = MsgIcon::None, MsgButtons buttons = MsgButtons::Ok,
                      QWidget* parent = nullptr, const QString& caption = ProgramTitle);

// nullptr restores the real QMessageBox presenter.
void SetMessagePresenter(MessagePresenter* presenter);

} // namespace bacc
