#include <chrono>
#include <ctime>
#include <functional>
#include <string>

#include <QAbstractItemModel>
#include <QApplication>
#include <QCalendarWidget>
#include <QDate>
#include <QDialog>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTextCharFormat>
#include <QTimer>

#include "MainWindowTest.h"
#include "ModalDriver.h"
#include "date/CDateDlg.h"
#include "date/Clock.h"
#include "entries/SitemapEntry.h"
#include "res/Resources.h"

namespace {

using namespace std::chrono;

// Noon of `date` in the local time zone, whatever zone the tests run in.
sys_seconds LocalNoon(year_month_day date) {
    std::tm fields{};
    fields.tm_year = static_cast<int>(date.year()) - 1900;
    fields.tm_mon = static_cast<int>(unsigned{date.month()}) - 1;
    fields.tm_mday = static_cast<int>(unsigned{date.day()});
    fields.tm_hour = 12;
    fields.tm_isdst = -1;
    return sys_seconds{seconds{std::mktime(&fields)}};
}

QCalendarWidget* CalendarIn(QWidget* dialog) {
    return dialog->findChild<QCalendarWidget*>(QStringLiteral("control_%1").arg(IDC_MONTHCALENDAR));
}

QPushButton* ReturnButtonIn(QWidget* dialog) {
    return dialog->findChild<QPushButton*>(QStringLiteral("control_%1").arg(IDOK));
}

// Turns the calendar to the month of `date` and clicks that day's cell, as a user picks a day.
void PickDay(QCalendarWidget* calendar, year_month_day date) {
    ASSERT_NE(calendar, nullptr);
    calendar->setCurrentPage(static_cast<int>(date.year()),
                             static_cast<int>(unsigned{date.month()}));
    auto* view = calendar->findChild<QTableView*>();
    ASSERT_NE(view, nullptr);
    const QAbstractItemModel* model = view->model();
    // Row-major, the first "1" is the shown month's first day (the days of the month before
    // are all higher); the wanted day follows it before the next month begins.
    const QString wanted = QString::number(unsigned{date.day()});
    bool inMonth = false;
    for (int row = 0; row < model->rowCount(); ++row) {
        for (int column = 0; column < model->columnCount(); ++column) {
            const QModelIndex cell = model->index(row, column);
            const QString text = model->data(cell).toString();
            inMonth = inMonth || text == QStringLiteral("1");
            if (inMonth && text == wanted) {
                QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier,
                                  view->visualRect(cell).center());
                return;
            }
        }
    }
    ADD_FAILURE() << "no cell for the day";
}

// Drives the date dialog once it is open. Keys go to the control that has the dialog's keyboard
// focus: the offscreen platform may hand the application's active window back to the main window
// late, which no user would see.
void WhenDateDialogOpens(std::function<void(QWidget* dialog)> action) {
    WhenModalOpens([action](QWidget* modal) {
        // Should the dialog stay open, the test fails instead of waiting for ever.
        QTimer::singleShot(3000, modal, [modal] {
            ADD_FAILURE() << "the date dialog stayed open";
            modal->close();
        });
        action(modal);
    });
}

QDate ToQDate(year_month_day date) {
    return QDate(static_cast<int>(date.year()), static_cast<int>(unsigned{date.month()}),
                 static_cast<int>(unsigned{date.day()}));
}

class ModifiedDate : public MainWindowTest {
protected:
    void TearDown() override {
        MainWindowTest::TearDown();
        Clock::Reset();
    }
    static void SetToday(year_month_day date) { Clock::Set(LocalNoon(date)); }
};

struct TodayCase {
    const char* name;
    year_month_day today;
    const char* text;
};

class TodayButton : public ModifiedDate, public ::testing::WithParamInterface<TodayCase> {};

TEST_P(TodayButton, PutsTheLocalDateIntoTheModifiedField) {
    SetToday(GetParam().today);
    CSitemapDlg& dlg = OpenWindow();
    Click(IDC_BUTTON_TODAY);
    EXPECT_EQ(Text(IDC_EDIT_MODIFIED), GetParam().text);
    EXPECT_EQ(dlg.m_strModified, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Days, TodayButton,
    ::testing::Values(TodayCase{"December", 2006y / December / 5, "2006-12-05"},
                      TodayCase{"January", 2007y / January / 9, "2007-01-09"},
                      TodayCase{"AfterTheOld32BitEnd", 2040y / February / 29, "2040-02-29"}),
    [](const auto& info) { return std::string(info.param.name); });

// Both commands read every field first and write them all back at the end: what the user typed
// elsewhere stays, the combo boxes show their list's matching item, and the Modified field is
// replaced in full. The entry table is not touched.
struct CommandCase {
    const char* name;
    int button;
};

class DateCommand : public ModifiedDate, public ::testing::WithParamInterface<CommandCase> {};

TEST_P(DateCommand, KeepsTheOtherFieldsAndReplacesTheModifiedText) {
    SetToday(2006y / December / 5);
    CSitemapDlg& dlg = OpenWindow();
    PutRow("http://www.example.org/", "1999-01-01", "0.3", "yearly ");
    Type(IDC_EDIT_URL, "http://typed.example.org/page.html");
    Type(IDC_COMBO_PRIORITY, "1");
    Type(IDC_COMBO_FREQUENCY, "weekly");
    Type(IDC_EDIT_MODIFIED, "2007-03-01 and a much longer text the user typed before");

    std::string shownWhileOpen;
    if (GetParam().button == IDC_BUTTON_SELECT) {
        WhenDateDialogOpens([&](QWidget* modal) {
            shownWhileOpen = Text(IDC_EDIT_MODIFIED);
            ReturnButtonIn(modal)->click();
        });
    }
    Click(GetParam().button);

    EXPECT_EQ(Text(IDC_EDIT_MODIFIED), "2006-12-05");
    EXPECT_EQ(Text(IDC_EDIT_URL), "http://typed.example.org/page.html");
    EXPECT_EQ(Text(IDC_COMBO_PRIORITY), "1.0");
    EXPECT_EQ(Text(IDC_COMBO_FREQUENCY), "weekly ");
    EXPECT_EQ(dlg.m_strUrl, "http://typed.example.org/page.html");
    EXPECT_EQ(dlg.m_strPriority, "1");
    EXPECT_EQ(dlg.m_strFrequency, "weekly");
    EXPECT_EQ(dlg.m_strModified, "2006-12-05");
    if (GetParam().button == IDC_BUTTON_SELECT) {
        EXPECT_EQ(shownWhileOpen, "2007-03-01 and a much longer text the user typed before")
            << "the field changes only when the command ends";
    }
    ASSERT_EQ(RowCount(), 1);
    EXPECT_EQ(Cell(0, SitemapEntry::kModified), "1999-01-01");
}

INSTANTIATE_TEST_SUITE_P(Commands, DateCommand,
                         ::testing::Values(CommandCase{"Today", IDC_BUTTON_TODAY},
                                           CommandCase{"Select", IDC_BUTTON_SELECT}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ModifiedDate, SelectOpensOnTodayAndReturnAtOnceGivesToday) {
    SetToday(2007y / January / 9);
    OpenWindow();
    QDate selected;
    int pageYear = 0;
    int pageMonth = 0;
    bool hasFocus = false;
    WhenDateDialogOpens([&](QWidget* modal) {
        QCalendarWidget* calendar = CalendarIn(modal);
        selected = calendar->selectedDate();
        pageYear = calendar->yearShown();
        pageMonth = calendar->monthShown();
        hasFocus = calendar->isAncestorOf(modal->focusWidget());
        ReturnButtonIn(modal)->click();
    });
    Click(IDC_BUTTON_SELECT);
    EXPECT_EQ(selected, QDate(2007, 1, 9));
    EXPECT_EQ(pageYear, 2007);
    EXPECT_EQ(pageMonth, 1);
    EXPECT_TRUE(hasFocus) << "the calendar takes the keyboard first";
    EXPECT_EQ(Text(IDC_EDIT_MODIFIED), "2007-01-09");
    EXPECT_FALSE(QApplication::activeModalWidget()) << "the date dialog is gone";
}

// Every way of closing the date dialog takes the day shown as selected.
struct ClosingCase {
    const char* name;
    std::function<void(QWidget* dialog)> close;
};

class DateDialogClosing : public ModifiedDate, public ::testing::WithParamInterface<ClosingCase> {};

TEST_P(DateDialogClosing, TakesThePickedDay) {
    SetToday(2006y / December / 5);
    OpenWindow();
    QDate picked;
    WhenDateDialogOpens([&](QWidget* modal) {
        PickDay(CalendarIn(modal), 2007y / March / 1);
        picked = CalendarIn(modal)->selectedDate();
        GetParam().close(modal);
    });
    Click(IDC_BUTTON_SELECT);
    EXPECT_EQ(picked, QDate(2007, 3, 1));
    EXPECT_EQ(Text(IDC_EDIT_MODIFIED), "2007-03-01");
    EXPECT_FALSE(QApplication::activeModalWidget()) << "the date dialog is gone";
}

INSTANTIATE_TEST_SUITE_P(
    Ways, DateDialogClosing,
    ::testing::Values(ClosingCase{"Return",
                                  [](QWidget* dialog) { ReturnButtonIn(dialog)->click(); }},
                      ClosingCase{"Enter",
                                  [](QWidget* dialog) {
                                      QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
                                  }},
                      ClosingCase{"KeypadEnter",
                                  [](QWidget* dialog) {
                                      QTest::keyClick(dialog->focusWidget(), Qt::Key_Enter,
                                                      Qt::KeypadModifier);
                                  }},
                      ClosingCase{"Escape",
                                  [](QWidget* dialog) {
                                      QTest::keyClick(dialog->focusWidget(), Qt::Key_Escape);
                                  }},
                      ClosingCase{"CloseBox", [](QWidget* dialog) { dialog->close(); }}),
    [](const auto& info) { return std::string(info.param.name); });

// The calendar offers exactly the days whose text a sitemap can carry: the first and the last
// can be picked, and the keyboard cannot go past them.
struct EndCase {
    const char* name;
    year_month_day day;
    Qt::Key beyond;
    const char* text;
};

class CalendarEnds : public ModifiedDate, public ::testing::WithParamInterface<EndCase> {};

TEST_P(CalendarEnds, GiveAValidDateText) {
    SetToday(2006y / December / 5);
    OpenWindow();
    QDate first;
    QDate last;
    WhenDateDialogOpens([&](QWidget* modal) {
        QCalendarWidget* calendar = CalendarIn(modal);
        first = calendar->minimumDate();
        last = calendar->maximumDate();
        PickDay(calendar, GetParam().day);
        QTest::keyClick(modal->focusWidget(), GetParam().beyond);
        QTest::keyClick(modal->focusWidget(), Qt::Key_Escape);
    });
    Click(IDC_BUTTON_SELECT);
    EXPECT_EQ(first, QDate(1000, 1, 1));
    EXPECT_EQ(last, QDate(9999, 12, 31));
    EXPECT_EQ(Text(IDC_EDIT_MODIFIED), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Ends, CalendarEnds,
    ::testing::Values(
        EndCase{"FirstDay", 1000y / January / 1, Qt::Key_Left, "1000-01-01"},
        EndCase{"LastDay", 9999y / December / 31, Qt::Key_Right, "9999-12-31"},
        EndCase{"BeforeTheOldEpoch", 1969y / December / 31, Qt::Key_Right, "1970-01-01"},
        EndCase{"PastTheOld32BitEnd", 2038y / January / 19, Qt::Key_Right, "2038-01-20"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ModifiedDate, TodayIsMarkedOnTheCalendar) {
    SetToday(2006y / December / 5);
    CDateDlg dlg;
    dlg.m_dateSelected = 2007y / March / 1;
    ASSERT_TRUE(dlg.Create());
    QCalendarWidget* calendar = CalendarIn(dlg.GetWindow());
    EXPECT_EQ(calendar->selectedDate(), QDate(2007, 3, 1));
    EXPECT_EQ(dlg.m_ctlCalendar.GetToday(), 2006y / December / 5);
    EXPECT_TRUE(calendar->dateTextFormat(ToQDate(2006y / December / 5)).fontUnderline());
    EXPECT_FALSE(calendar->dateTextFormat(ToQDate(2007y / March / 1)).fontUnderline());
    dlg.DestroyWindow();
    EXPECT_EQ(dlg.m_dateSelected, 2007y / March / 1);
}

TEST_F(ModifiedDate, DateDialogLayout) {
    SetToday(2006y / December / 5);
    CDateDlg dlg;
    ASSERT_TRUE(dlg.Create());
    QDialog* window = dlg.GetWindow();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Date Selection"));
    EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "not resizable";
    EXPECT_TRUE(window->windowFlags() & Qt::WindowCloseButtonHint) << "it has a close box";
    EXPECT_TRUE(window->windowFlags() & Qt::WindowSystemMenuHint);
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);

    // Positions and sizes in dialog units of a 186 by 113 unit client area.
    const struct {
        int id;
        int x, y, cx, cy;
    } controls[] = {{IDC_MONTHCALENDAR, 7, 7, 134, 97}, {IDOK, 142, 7, 37, 14}};
    const QSize client = window->size();
    for (const auto& control : controls) {
        QWidget* widget = dlg.GetDlgItem(control.id);
        ASSERT_NE(widget, nullptr) << control.id;
        EXPECT_NEAR(double(widget->x()) / client.width(), control.x / 186.0, 0.01) << control.id;
        EXPECT_NEAR(double(widget->width()) / client.width(), control.cx / 186.0, 0.01)
            << control.id;
        EXPECT_NEAR(double(widget->y()) / client.height(), control.y / 113.0, 0.02) << control.id;
        EXPECT_NEAR(double(widget->height()) / client.height(), control.cy / 113.0, 0.02)
            << control.id;
    }
    EXPECT_NE(qobject_cast<QCalendarWidget*>(dlg.GetDlgItem(IDC_MONTHCALENDAR)), nullptr);
    const auto buttons = window->findChildren<QPushButton*>();
    ASSERT_EQ(buttons.size(), 1) << "Return is the only button: no Cancel";
    EXPECT_EQ(buttons[0], dlg.GetDlgItem(IDOK));
    EXPECT_EQ(buttons[0]->text(), QStringLiteral("Return"));
    EXPECT_TRUE(buttons[0]->isDefault());
    EXPECT_EQ(dlg.GetDlgItem(IDCANCEL), nullptr);
    QCalendarWidget* calendar = CalendarIn(window);
    EXPECT_EQ(calendar->selectionMode(), QCalendarWidget::SingleSelection);

    // Tab order: the calendar, then Return, then round again.
    dlg.ShowWindow();
    EXPECT_TRUE(calendar->isAncestorOf(window->focusWidget()));
    QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(window->focusWidget(), buttons[0]);
    QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
    EXPECT_TRUE(calendar->isAncestorOf(window->focusWidget()));
    dlg.DestroyWindow();
}

} // namespace
