#include "app/toolkit/DialogWindow.h"

#include <QContextMenuEvent>

#include "app/toolkit/CDialog.h"

DialogWindow::DialogWindow(CDialog& owner, QWidget* parent) : QDialog(parent), m_owner(owner) {}

void DialogWindow::accept() {
    m_owner.OnOK();
}

void DialogWindow::reject() {
    m_owner.OnCancel();
}

void DialogWindow::contextMenuEvent(QContextMenuEvent* event) {
    const int id = m_owner.TrackSystemMenu();
    event->accept();
    if (id != 0) {
        m_owner.OnSysCommand(id);
    }
}
