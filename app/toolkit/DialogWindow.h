#pragma once

#include <QDialog>

class CDialog;

// The Qt window of one CDialog: sends OK, Cancel (Escape, the close box) and the window menu
// to the dialog object.
class DialogWindow final : public QDialog {
public:
    DialogWindow(CDialog& owner, QWidget* parent);

    void accept() override;
    void reject() override;

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    CDialog& m_owner;
};
