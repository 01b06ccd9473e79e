#include "app/toolkit/CDialog.h"

#include <exception>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QMenu>
#include <QString>

#include "app/toolkit/CControl.h"
#include "app/toolkit/CDataExchange.h"
#include "app/toolkit/DialogBuilder.h"
#include "app/toolkit/DialogWindow.h"
#include "res/Resources.h"

namespace {

// What the user is told of a failure that brings no description of its own.
constexpr const char* kUnknownFailure = "Internal application error.";

} // namespace

CDialog::CDialog(int templateId, CDialog* parent)
    : m_template(FindDialogTemplate(templateId)),
      m_parent(parent), m_systemMenu{{SC_CLOSE, "&Close"}} {}

CDialog::~CDialog() = default;

void CDialog::BuildWindow() {
    QWidget* parentWindow = m_parent != nullptr ? m_parent->GetWindow() : nullptr;
    m_window = std::make_unique<DialogWindow>(*this, parentWindow);
    m_window->setWindowTitle(QString::fromStdString(m_template.caption));
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (m_template.hasMinimizeBox) {
        flags |= Qt::WindowMinimizeButtonHint;
    }
    if (m_template.hasMaximizeBox) {
        flags |= Qt::WindowMaximizeButtonHint;
    }
    m_window->setWindowFlags(flags);

    const DialogBuilder builder(m_window->font());
    m_controls = builder.Build(m_template, *m_window);
    for (const auto& [id, widget] : m_controls) {
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            const int buttonId = id;
            QObject::connect(button, &QAbstractButton::clicked,
                             [this, buttonId] { OnButtonClicked(buttonId); });
        }
    }

    // The keyboard way to the window menu.
    auto* menuAction = new QAction(m_window.get());
    menuAction->setShortcuts(
        {QKeySequence(Qt::ALT | Qt::Key_Space), QKeySequence(Qt::SHIFT | Qt::Key_F10)});
    menuAction->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(menuAction, &QAction::triggered, [this] {
        const int id = TrackSystemMenu();
        if (id != 0) {
            OnSysCommand(id);
        }
    });
    m_window->addAction(menuAction);
}

bool CDialog::Create() {
    if (m_window) {
        return false;
    }
    BuildWindow();
    m_result = 0;
    OnInitDialog();
    return true;
}

void CDialog::ShowWindow() {
    if (m_window) {
        m_window->show();
    }
}

int CDialog::DoModal() {
    if (!Create()) {
        return -1;
    }
    m_inModalRun = true;
    // An EndDialog during OnInitDialog ends the run before it starts.
    if (m_result == 0) {
        m_window->exec();
    }
    m_inModalRun = false;
    DestroyWindow();
    return m_result;
}

void CDialog::DestroyWindow() {
    if (!m_window) {
        return;
    }
    m_window->hide();
    OnDestroy();
    for (CControl* control : m_boundControls) {
        control->Detach();
    }
    m_boundControls.clear();
    m_controls.clear();
    // Child dialogs or boxes still parented to this window go with it.
    m_window.reset();
}

void CDialog::EndDialog(int result) {
    m_result = result;
    if (m_window) {
        m_window->done(result);
    }
}

bool CDialog::UpdateData(bool saveAndValidate) {
    if (!m_window) {
        return false;
    }
    CDataExchange exchange(this, saveAndValidate);
    DoDataExchange(&exchange);
    return true;
}

QWidget* CDialog::GetDlgItem(int id) const {
    const auto found = m_controls.find(id);
    return found == m_controls.end() ? nullptr : found->second;
}

void CDialog::TrackControl(CControl& control) {
    m_boundControls.push_back(&control);
}

QDialog* CDialog::GetWindow() const {
    return m_window.get();
}

int CDialog::MessageBox(const std::string& text, const std::string& caption, unsigned type) {
    MessageRequest request;
    request.text = text;
    request.caption = caption;
    request.buttons = (type & 0x000F) == MB_YESNO ? MessageButtons::YesNo : MessageButtons::Ok;
    switch (type & 0x00F0) {
    case MB_ICONSTOP:
        request.icon = MessageIcon::Stop;
        break;
    case MB_ICONEXCLAMATION:
        request.icon = MessageIcon::Warning;
        break;
    default:
        request.icon = MessageIcon::None;
        break;
    }
    return MessagePresenter::Current().Show(GetWindow(), request);
}

void CDialog::AppendSystemMenuSeparator() {
    m_systemMenu.push_back({0, {}});
}

void CDialog::AppendSystemMenuItem(int id, const std::string& text) {
    m_systemMenu.push_back({id, text});
}

int CDialog::TrackSystemMenu() {
    if (!m_window) {
        return 0;
    }
    QMenu menu(m_window.get());
    menu.setObjectName(QStringLiteral("systemMenu"));
    for (const MenuItem& item : m_systemMenu) {
        if (item.id == 0) {
            menu.addSeparator();
        } else {
            menu.addAction(QString::fromStdString(item.text))->setData(item.id);
        }
    }
    const QPoint where = m_window->isVisible() ? QCursor::pos() : QPoint(0, 0);
    QAction* chosen = menu.exec(where);
    return chosen != nullptr ? chosen->data().toInt() : 0;
}

bool CDialog::OnInitDialog() {
    UpdateData(false);
    // The first control in tab order takes the keyboard focus.
    for (const ControlTemplate& control : m_template.controls) {
        QWidget* widget = GetDlgItem(control.id);
        if (widget != nullptr && widget->focusPolicy() != Qt::NoFocus) {
            widget->setFocus(Qt::OtherFocusReason);
            break;
        }
    }
    return true;
}

void CDialog::OnOK() {
    if (UpdateData(true)) {
        EndDialog(IDOK);
    }
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void CDialog::OnDestroy() {}

void CDialog::OnSysCommand(int id) {
    if (id == SC_CLOSE) {
        OnCancel();
    }
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::MapClick(int id, std::function<void()> handler) {
    m_clickMap[id] = std::move(handler);
}

void CDialog::OnButtonClicked(int id) {
    // A failure raised inside a command ends that command only: it is reported with the stop
    // icon and the window goes on.
    try {
        const auto mapped = m_clickMap.find(id);
        if (mapped != m_clickMap.end()) {
            mapped->second();
        } else if (id == IDOK) {
            OnOK();
        } else if (id == IDCANCEL) {
            OnCancel();
        }
    } catch (const std::exception& failure) {
        const std::string text = failure.what();
        AfxMessageBox(text.empty() ? kUnknownFailure : text, MB_OK | MB_ICONSTOP);
    } catch (...) {
        AfxMessageBox(kUnknownFailure, MB_OK | MB_ICONSTOP);
    }
}
