#pragma once

#include <deque>
#include <vector>

#include "app/toolkit/MessagePresenter.h"

// Records every message box instead of showing it, and answers from a script: queued answers
// first, then `defaultAnswer` for Yes/No boxes (OK boxes always answer OK).
class RecordingPresenter final : public MessagePresenter {
public:
    RecordingPresenter() { Install(this); }
    ~RecordingPresenter() override { Install(nullptr); }

    int Show(QWidget* owner, const MessageRequest& request) override;

    void QueueAnswer(int answer) { m_answers.push_back(answer); }
    int defaultAnswer = IDNO;
    std::vector<MessageRequest> shown;
    std::vector<QWidget*> owners;

private:
    std::deque<int> m_answers;
};
