#pragma once

#include <memory>
#include <string>

#include "RecordingOpener.h"
#include "RecordingPresenter.h"
#include "TempDirTest.h"
#include "app/CSitemapDlg.h"

// A test of the real main window, shown on the offscreen platform in the test's own directory,
// with message boxes recorded and answered by `presenter` and the opener recorded by `opener`.
class MainWindowTest : public TempDirTest {
protected:
    void TearDown() override;

    // Opens the main window (start-up steps included) and shows it.
    CSitemapDlg& OpenWindow();
    // Closes it the way the program does when it ends (shutdown steps included).
    void CloseWindow();
    CSitemapDlg& Window() { return *m_window; }

    // What the user does and sees.
    void Type(int controlId, const std::string& text);
    std::string Text(int controlId) const;
    void Click(int controlId);
    // A left click on the table's row `row`, or on the blank area below the rows when -1.
    void ClickRow(int row);
    // Adds a row through the fields and the table directly, bypassing the editing commands.
    void PutRow(const std::string& url, const std::string& modified, const std::string& priority,
                const std::string& frequency);
    std::string Cell(int row, int column) const;
    int RowCount() const;

    RecordingPresenter presenter;
    RecordingOpener opener;

private:
    std::unique_ptr<CSitemapDlg> m_window;
};
