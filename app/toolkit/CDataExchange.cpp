#include "app/toolkit/CDataExchange.h"

#include <string>
#include <vector>

#include <QComboBox>
#include <QLineEdit>
#include <QString>

#include "app/toolkit/CControl.h"
#include "app/toolkit/CDialog.h"
#include "entries/ComboText.h"

void DDX_Text(CDataExchange* pDX, int nIDC, std::string& value) {
    auto* edit = qobject_cast<QLineEdit*>(pDX->m_pDlgWnd->GetDlgItem(nIDC));
    if (edit == nullptr) {
        return;
    }
    if (pDX->m_bSaveAndValidate) {
        value = edit->text().toStdString();
    } else {
        edit->setText(QString::fromStdString(value));
    }
}

void DDX_CBString(CDataExchange* pDX, int nIDC, std::string& value) {
    auto* combo = qobject_cast<QComboBox*>(pDX->m_pDlgWnd->GetDlgItem(nIDC));
    if (combo == nullptr) {
        return;
    }
    if (pDX->m_bSaveAndValidate) {
        value = combo->currentText().toStdString();
        return;
    }
    std::vector<std::string> items;
    items.reserve(static_cast<std::size_t>(combo->count()));
    for (int i = 0; i < combo->count(); ++i) {
        items.push_back(combo->itemText(i).toStdString());
    }
    const int match = ComboText::FindPrefixItem(items, value);
    if (match >= 0) {
        combo->setCurrentIndex(match);
        combo->setEditText(combo->itemText(match));
    } else {
        combo->setEditText(QString::fromStdString(value));
    }
}

void DDX_Control(CDataExchange* pDX, int nIDC, CControl& control) {
    if (control.IsAttached()) {
        return;
    }
    if (QWidget* widget = pDX->m_pDlgWnd->GetDlgItem(nIDC)) {
        control.Attach(widget);
        pDX->m_pDlgWnd->TrackControl(control);
    }
}
