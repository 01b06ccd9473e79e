#include "RecordingPresenter.h"

int RecordingPresenter::Show(QWidget* owner, const MessageRequest& request) {
    shown.push_back(request);
    owners.push_back(owner);
    if (request.buttons == MessageButtons::Ok) {
        return IDANSWER_OK;
    }
    if (!m_answers.empty()) {
        const int answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }
    return defaultAnswer;
}
