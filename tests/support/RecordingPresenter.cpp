#include "RecordingPresenter.h"

namespace bacc::test {

RecordingPresenter::RecordingPresenter() {
    SetMessagePresenter(this);
}

RecordingPresenter::~RecordingPresenter() {
    SetMessagePresenter(nullptr);
}

MsgResult RecordingPresenter::Present(const MessageRequest& request, QWidget* /*parent*/) {
    requests_.append(request);
    if (answers_.empty()) {
        return MsgResult::Ok;
    }
    const MsgResult answer = answers_.front();
    answers_.pop_front();
    return answer;
}

QStringList RecordingPresenter::Texts() const {
    QStringList texts;
    for (const MessageRequest& request : requests_) {
        texts.append(request.Text);
    }
    return texts;
}

MessageRequest RecordingPresenter::Last() const {
    return requests_.isEmpty() ? MessageRequest{} : requests_.last();
}

} // namespace bacc::test
