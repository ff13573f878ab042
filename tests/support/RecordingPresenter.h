#pragma once

#include "MessageBox.h"

#include <deque>

#include <QList>

namespace bacc::test {

// Stands in for the message boxes: records every request and answers from a queue (Ok once the queue is
// empty). Installs itself on construction and restores the real boxes when destroyed.
class RecordingPresenter : public MessagePresenter {
public:
    RecordingPresenter();
    ~RecordingPresenter() override;
    RecordingPresenter(const RecordingPresenter&) = delete;
    RecordingPresenter& operator=(const RecordingPresenter&) = delete;

    MsgResult Present(const MessageRequest& request, QWidget* parent) override;

    // Answers for the next boxes, in order.
    void QueueAnswer(MsgResult answer) { answers_.push_back(answer); }

    // The texts shown, in order.
    QStringList Texts() const;
    int Count() const { return static_cast<int>(requests_.size()); }
    // The last request; an empty one when none was made.
    MessageRequest Last() const;
    void Clear() { requests_.clear(); }

private:
    QList<MessageRequest> requests_;
    std::deque<MsgResult> answers_;
};

} // namespace bacc::test
