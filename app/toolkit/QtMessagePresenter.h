#pragma once

#include "app/toolkit/MessagePresenter.h"

// Shows message boxes as Qt message boxes.
class QtMessagePresenter final : public MessagePresenter {
public:
    int Show(QWidget* owner, const MessageRequest& request) override;
};
