#pragma once

#include <string>

class QWidget;

// Message box flags and answers, as the windows pass and test them.
enum MessageBoxType : unsigned {
    MB_OK = 0x0000,
    MB_YESNO = 0x0004,
    MB_ICONSTOP = 0x0010,
    MB_ICONEXCLAMATION = 0x0030,
};
enum MessageBoxAnswer : int { IDANSWER_OK = 1, IDYES = 6, IDNO = 7 };

enum class MessageButtons { Ok, YesNo };
enum class MessageIcon { None, Warning, Stop };

struct MessageRequest {
    std::string text;
    std::string caption;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
};

// Every message box of the program goes through the one installed presenter: the real one shows
// a Qt message box, a test one records the request and gives a scripted answer.
class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    // Shows the box modally and returns IDANSWER_OK, IDYES or IDNO.
    virtual int Show(QWidget* owner, const MessageRequest& request) = 0;

    static MessagePresenter& Current();
    // Installs `presenter` (not owned); nullptr goes back to the real one.
    static void Install(MessagePresenter* presenter);
};

// The application's message box: its name as title, the warning icon unless another is asked for.
int AfxMessageBox(const std::string& text, unsigned type = MB_OK);
