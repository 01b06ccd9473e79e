#include <functional>
#include <string>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "MainWindowTest.h"
#include "ModalDriver.h"
#include "app/CSitemapApp.h"
#include "app/HelpPage.h"
#include "app/NetworkStartup.h"
#include "app/toolkit/EntryListView.h"
#include "entries/SitemapEntry.h"
#include "res/Resources.h"

namespace {

using MainWindow = MainWindowTest;

TEST_F(MainWindow, FirstStartShowsAnEmptyTableAndTheFieldDefaults) {
    CSitemapDlg& dlg = OpenWindow();
    EXPECT_EQ(RowCount(), 0);
    EXPECT_EQ(Text(IDC_EDIT_URL), "");
    EXPECT_EQ(Text(IDC_EDIT_MODIFIED), "");
    EXPECT_EQ(Text(IDC_COMBO_FREQUENCY), "");
    EXPECT_EQ(Text(IDC_COMBO_PRIORITY), "0.5");
    EXPECT_EQ(dlg.m_strPriority, "0.5");

    QDialog* window = dlg.GetWindow();
    EXPECT_TRUE(window->windowTitle().startsWith(QStringLiteral("Querndale - ")));
    EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "the window is not resizable";
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(QApplication::focusWidget(), dlg.GetDlgItem(IDOK)) << "Quit has the focus";
    EXPECT_TRUE(qobject_cast<QPushButton*>(dlg.GetDlgItem(IDOK))->isDefault());
}

TEST_F(MainWindow, HasEveryControlWithItsTextAndTheComboListsInOrder) {
    CSitemapDlg& dlg = OpenWindow();
    const struct {
        int id;
        const char* text;
    } buttons[] = {{IDOK, "Quit"},
                   {IDC_BUTTON_ADD, "Add"},
                   {IDC_BUTTON_UPDATE, "Update"},
                   {IDC_BUTTON_REMOVE, "Remove"},
                   {IDC_BUTTON_HELP, "Help"},
                   {IDC_BUTTON_CLEAR, "Clear"},
                   {IDC_BUTTON_GENERATE, "Generate"},
                   {IDC_BUTTON_FTP, "FTP"},
                   {IDC_BUTTON_SELECT, "Select"},
                   {IDC_BUTTON_TODAY, "Today"},
                   {IDC_BUTTON_PREFERENCES, "Preferences"}};
    for (const auto& button : buttons) {
        auto* widget = qobject_cast<QPushButton*>(dlg.GetDlgItem(button.id));
        ASSERT_NE(widget, nullptr) << button.text;
        EXPECT_EQ(widget->text().toStdString(), button.text);
    }
    for (int id : {IDC_EDIT_URL, IDC_EDIT_MODIFIED}) {
        EXPECT_NE(qobject_cast<QLineEdit*>(dlg.GetDlgItem(id)), nullptr) << id;
    }
    const auto items = [&](int id) {
        std::vector<std::string> list;
        auto* combo = qobject_cast<QComboBox*>(dlg.GetDlgItem(id));
        for (int i = 0; combo != nullptr && i < combo->count(); ++i) {
            list.push_back(combo->itemText(i).toStdString());
        }
        return list;
    };
    EXPECT_EQ(items(IDC_COMBO_FREQUENCY),
              (std::vector<std::string>{"always ", "hourly ", "daily ", "weekly ", "monthly ",
                                        "yearly ", "never "}));
    EXPECT_EQ(items(IDC_COMBO_PRIORITY),
              (std::vector<std::string>{"0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8",
                                        "0.9", "1.0"}));
    EXPECT_NE(dlg.m_listEntries.View(), nullptr);
    EXPECT_NE(dlg.GetDlgItem(IDC_STATIC_STATUS), nullptr);
}

// Each way of ending the main window; all of them must run the shutdown steps, which save the
// table and leave the fields cleared.
struct EndingCase {
    const char* name;
    std::function<void(QDialog*)> end;
    int result;
};

class MainWindowEnding : public TempDirTest, public ::testing::WithParamInterface<EndingCase> {
protected:
    RecordingPresenter presenter;
    RecordingOpener opener;
};

TEST_P(MainWindowEnding, RunsTheShutdownSteps) {
    CSitemapDlg dlg;
    WhenModalOpens([&](QWidget* modal) {
        auto* url = modal->findChild<QLineEdit*>(QStringLiteral("control_%1").arg(IDC_EDIT_URL));
        url->setText(QStringLiteral("typed but never added"));
        dlg.m_listEntries.InsertItem(0, "http://www.example.org/");
        GetParam().end(qobject_cast<QDialog*>(modal));
    });
    EXPECT_EQ(dlg.DoModal(), GetParam().result);
    EXPECT_FALSE(dlg.IsWindow());
    EXPECT_NE(ReadFile("xml.dat").find("\r\nURL=http://www.example.org/\r\n"), std::string::npos);
    EXPECT_EQ(dlg.m_strUrl, "");
}

INSTANTIATE_TEST_SUITE_P(
    Ways, MainWindowEnding,
    ::testing::Values(
        EndingCase{"Quit",
                   [](QDialog* w) {
                       w->findChild<QPushButton*>(QStringLiteral("control_%1").arg(IDOK))->click();
                   },
                   IDOK},
        EndingCase{"EnterInUrlField",
                   [](QDialog* w) {
                       auto* url =
                           w->findChild<QLineEdit*>(QStringLiteral("control_%1").arg(IDC_EDIT_URL));
                       url->setFocus();
                       QTest::keyClick(url, Qt::Key_Return);
                   },
                   IDOK},
        EndingCase{"EnterInPriorityBox",
                   [](QDialog* w) {
                       auto* combo = w->findChild<QComboBox*>(
                           QStringLiteral("control_%1").arg(IDC_COMBO_PRIORITY));
                       combo->setFocus();
                       QTest::keyClick(combo, Qt::Key_Return);
                   },
                   IDOK},
        EndingCase{"Escape", [](QDialog* w) { QTest::keyClick(w, Qt::Key_Escape); }, IDCANCEL},
        EndingCase{"CloseBox", [](QDialog* w) { w->close(); }, IDCANCEL}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindow, WindowMenuEndsWithAboutAndOpensTheAboutBox) {
    CSitemapDlg& dlg = OpenWindow();
    PutRow("http://a", "", "0.5", "");
    Type(IDC_EDIT_URL, "kept");
    const auto& menu = dlg.SystemMenu();
    ASSERT_GE(menu.size(), 2u);
    EXPECT_EQ(menu[menu.size() - 2].id, 0) << "a separator before the About item";
    EXPECT_EQ(menu.back().id, IDM_ABOUTBOX);
    EXPECT_EQ(menu.back().text, "&About Querndale...");

    // A right click on the window opens the menu; choosing About opens the About box.
    std::string aboutTitle;
    bool aboutHasOk = false;
    QTimer::singleShot(0, [&] {
        auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(popup, nullptr);
        WhenModalOpens([&](QWidget* about) {
            aboutTitle = about->windowTitle().toStdString();
            aboutHasOk = about->findChild<QPushButton*>() != nullptr;
            QTest::keyClick(about, Qt::Key_Escape);
        });
        QTest::keyClick(popup, Qt::Key_Up); // wraps round to the last item
        QTest::keyClick(popup, Qt::Key_Return);
    });
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(600, 10),
                                 dlg.GetWindow()->mapToGlobal(QPoint(600, 10)));
    QApplication::sendEvent(dlg.GetWindow(), &rightClick);

    EXPECT_EQ(aboutTitle, "About Querndale");
    EXPECT_TRUE(aboutHasOk);
    EXPECT_TRUE(dlg.IsWindow());
    EXPECT_EQ(RowCount(), 1);
    EXPECT_EQ(Text(IDC_EDIT_URL), "kept");
}

TEST_F(MainWindow, TheKeyboardOpensTheWindowMenuFromAnyField) {
    CSitemapDlg& dlg = OpenWindow();
    QWidget* url = dlg.GetDlgItem(IDC_EDIT_URL);
    url->setFocus();
    std::vector<std::string> items;
    QTimer::singleShot(0, [&] {
        auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(popup, nullptr);
        for (QAction* action : popup->actions()) {
            items.push_back(action->text().toStdString());
        }
        popup->close();
    });
    QTest::keyClick(url, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(items, (std::vector<std::string>{"&Close", "", "&About Querndale..."}));
    EXPECT_TRUE(dlg.IsWindow());
}

TEST_F(MainWindow, HelpOpensOurPageAndLeavesFieldsAndTableAlone) {
    OpenWindow();
    PutRow("http://a", "2006-12-05", "1.0", "daily ");
    Type(IDC_EDIT_URL, "typed");
    Type(IDC_COMBO_FREQUENCY, "weekly ");
    Click(IDC_BUTTON_HELP);
    ASSERT_EQ(opener.opened.size(), 1u);
    EXPECT_EQ(opener.opened[0], HelpPage::Location());
    EXPECT_TRUE(Exists(opener.opened[0])) << "the help page ships with the program";
    EXPECT_EQ(Text(IDC_EDIT_URL), "typed");
    EXPECT_EQ(Text(IDC_COMBO_FREQUENCY), "weekly ");
    EXPECT_EQ(RowCount(), 1);
    EXPECT_EQ(Cell(0, SitemapEntry::kModified), "2006-12-05");
}

TEST_F(MainWindow, NetworkStartupFailureTellsTheUserAndOpensNoWindow) {
    NetworkStartup::SetInitialiserForTesting([] { return false; });
    // Were the main window to open, this closes it again and tells.
    bool windowOpened = false;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            windowOpened = true;
            modal->close();
        }
    });
    guard.start(1000);
    CSitemapApp app;
    const int exitCode = app.InitInstance();
    NetworkStartup::SetInitialiserForTesting({});
    EXPECT_NE(exitCode, 0);
    EXPECT_FALSE(windowOpened);
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(presenter.shown[0].text, "Windows sockets initialization failed.");
    EXPECT_EQ(presenter.shown[0].caption, "Querndale");
    EXPECT_EQ(presenter.shown[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(presenter.shown[0].icon, MessageIcon::Warning);
}

} // namespace
