#include "MainWindowTest.h"

#include <algorithm>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QTest>

#include "app/toolkit/EntryListView.h"
#include "entries/SitemapEntry.h"
#include "res/Resources.h"

void MainWindowTest::TearDown() {
    CloseWindow();
    TempDirTest::TearDown();
}

CSitemapDlg& MainWindowTest::OpenWindow() {
    m_window = std::make_unique<CSitemapDlg>();
    EXPECT_TRUE(m_window->Create());
    m_window->ShowWindow();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(m_window->GetWindow()));
    // Activation can come late on the offscreen platform: a modal opened before it would find
    // the keyboard focus still in the main window.
    m_window->GetWindow()->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(m_window->GetWindow()));
    return *m_window;
}

void MainWindowTest::CloseWindow() {
    if (m_window) {
        m_window->DestroyWindow();
        m_window.reset();
    }
}

void MainWindowTest::Type(int controlId, const std::string& text) {
    QWidget* control = m_window->GetDlgItem(controlId);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setText(QString::fromStdString(text));
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        combo->setEditText(QString::fromStdString(text));
    } else {
        ADD_FAILURE() << "control " << controlId << " takes no text";
    }
}

std::string MainWindowTest::Text(int controlId) const {
    QWidget* control = m_window->GetDlgItem(controlId);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        return edit->text().toStdString();
    }
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
        return combo->currentText().toStdString();
    }
    ADD_FAILURE() << "control " << controlId << " shows no text";
    return {};
}

void MainWindowTest::Click(int controlId) {
    auto* button = qobject_cast<QAbstractButton*>(m_window->GetDlgItem(controlId));
    ASSERT_NE(button, nullptr) << "no button " << controlId;
    button->click();
}

void MainWindowTest::ClickRow(int row) {
    EntryListView* view = m_window->m_listEntries.View();
    ASSERT_NE(view, nullptr);
    QPoint where;
    if (row >= 0) {
        const QModelIndex index = view->model()->index(row, 0);
        view->scrollTo(index);
        // A URL column wider than the table puts the cell's middle out of sight: click nearer
        // its left edge, inside the visible part.
        const QRect cell = view->visualRect(index);
        const int left = std::max(cell.left(), 0);
        const int right = std::min(cell.right(), view->viewport()->width() - 1);
        where = QPoint((left + right) / 2, cell.center().y());
    } else {
        where = QPoint(5, view->viewport()->height() - 3);
    }
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, where);
}

void MainWindowTest::PutRow(const std::string& url, const std::string& modified,
                            const std::string& priority, const std::string& frequency) {
    m_window->m_listEntries.InsertRow(0, {url, modified, priority, frequency});
}

std::string MainWindowTest::Cell(int row, int column) const {
    return m_window->m_listEntries.GetItemText(row, column);
}

int MainWindowTest::RowCount() const {
    return m_window->m_listEntries.GetItemCount();
}
