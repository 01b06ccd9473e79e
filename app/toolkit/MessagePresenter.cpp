#include "app/toolkit/MessagePresenter.h"

#include <QApplication>

#include "app/toolkit/QtMessagePresenter.h"
#include "res/Resources.h"

namespace {
MessagePresenter* g_installed = nullptr;
} // namespace

MessagePresenter& MessagePresenter::Current() {
    static QtMessagePresenter real;
    return g_installed != nullptr ? *g_installed : real;
}

void MessagePresenter::Install(MessagePresenter* presenter) {
    g_installed = presenter;
}

int AfxMessageBox(const std::string& text, unsigned type) {
    MessageRequest request;
    request.text = text;
    request.caption = kApplicationName;
    request.buttons = (type & 0x000F) == MB_YESNO ? MessageButtons::YesNo : MessageButtons::Ok;
    request.icon = (type & 0x00F0) == MB_ICONSTOP ? MessageIcon::Stop : MessageIcon::Warning;
    return MessagePresenter::Current().Show(QApplication::activeWindow(), request);
}
