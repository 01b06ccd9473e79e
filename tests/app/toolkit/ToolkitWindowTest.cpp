#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFont>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "MainWindowTest.h"
#include "app/CAboutDlg.h"
#include "app/toolkit/EntryListView.h"
#include "res/DialogTemplate.h"
#include "res/Resources.h"

namespace {

struct BoxCase {
    const char* name;
    int control;
    std::string member;
    std::string shown;
};

class ComboExchange : public MainWindowTest, public ::testing::WithParamInterface<BoxCase> {};

TEST_P(ComboExchange, ShowsTheMatchingItemWholeAndReadsBackWhatIsShown) {
    CSitemapDlg& dlg = OpenWindow();
    std::string& member =
        GetParam().control == IDC_COMBO_PRIORITY ? dlg.m_strPriority : dlg.m_strFrequency;
    member = GetParam().member;
    dlg.UpdateData(false);
    EXPECT_EQ(Text(GetParam().control), GetParam().shown);
    dlg.UpdateData(true);
    EXPECT_EQ(member, GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ComboExchange,
    ::testing::Values(BoxCase{"WeeklyGetsItsBlank", IDC_COMBO_FREQUENCY, "weekly", "weekly "},
                      BoxCase{"CaseIgnored", IDC_COMBO_FREQUENCY, "DAILY", "daily "},
                      BoxCase{"OneIsOnePointZero", IDC_COMBO_PRIORITY, "1", "1.0"},
                      BoxCase{"ZeroIsFirstItem", IDC_COMBO_PRIORITY, "0", "0.1"},
                      BoxCase{"UnlistedStays", IDC_COMBO_PRIORITY, "0.55", "0.55"},
                      BoxCase{"EmptyStaysEmpty", IDC_COMBO_FREQUENCY, "", ""},
                      BoxCase{"FreeTextStays", IDC_COMBO_FREQUENCY, "<x>", "<x>"}),
    [](const auto& info) { return std::string(info.param.name); });

using Toolkit = MainWindowTest;

TEST_F(Toolkit, EditTextExchangesWholeBothWays) {
    CSitemapDlg& dlg = OpenWindow();
    dlg.m_strUrl = "  http://example.org/ä?x=1&y=2  ";
    dlg.UpdateData(false);
    EXPECT_EQ(Text(IDC_EDIT_URL), dlg.m_strUrl);
    Type(IDC_EDIT_MODIFIED, "any text");
    dlg.UpdateData(true);
    EXPECT_EQ(dlg.m_strModified, "any text");
    EXPECT_EQ(dlg.m_strUrl, "  http://example.org/ä?x=1&y=2  ");
}

TEST_F(Toolkit, TabAndShiftTabWalkTheControlsInTemplateOrder) {
    CSitemapDlg& dlg = OpenWindow();
    dlg.m_listEntries.InsertItem(0, "http://a"); // the table passes Tab on even with rows
    std::vector<QWidget*> expected;
    for (const ControlTemplate& control : dlg.Template().controls) {
        QWidget* widget = dlg.GetDlgItem(control.id);
        if (widget != nullptr && widget->focusPolicy() != Qt::NoFocus) {
            expected.push_back(widget);
        }
    }
    ASSERT_EQ(expected.size(), 16u);
    const auto owner = [](QWidget* focus) {
        // An editable box's focus sits in its line edit.
        return qobject_cast<QComboBox*>(focus->parentWidget()) != nullptr ? focus->parentWidget()
                                                                          : focus;
    };
    expected.front()->setFocus();
    for (std::size_t i = 1; i <= expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(owner(QApplication::focusWidget()), expected[i % expected.size()]) << i;
    }
    for (std::size_t i = expected.size(); i-- > 0;) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(owner(QApplication::focusWidget()), expected[i]) << i;
    }
}

TEST_F(Toolkit, GeometryKeepsItsProportionsAtAnyFontSize) {
    const QFont original = QApplication::font();
    for (int pointSize : {8, 11, 16}) {
        QFont font = original;
        font.setPointSize(pointSize);
        QApplication::setFont(font);
        CAboutDlg about;
        ASSERT_TRUE(about.Create());
        const DialogTemplate& layout = about.Template();
        const QSize client = about.GetWindow()->size();
        QWidget* ok = about.GetDlgItem(IDOK);
        const ControlTemplate& okTemplate = layout.controls.back();
        EXPECT_NEAR(double(ok->x()) / client.width(), double(okTemplate.x) / layout.cx, 0.01);
        EXPECT_NEAR(double(ok->width()) / client.width(), double(okTemplate.cx) / layout.cx, 0.01);
        EXPECT_NEAR(double(ok->y()) / client.height(), double(okTemplate.y) / layout.cy, 0.02);
        EXPECT_NEAR(double(ok->height()) / client.height(), double(okTemplate.cy) / layout.cy,
                    0.02);
        about.DestroyWindow();
    }
    QApplication::setFont(original);
}

TEST_F(Toolkit, ApplicationMessageBoxHasTheNameAsTitleAndTheWarningIcon) {
    presenter.QueueAnswer(IDYES);
    EXPECT_EQ(AfxMessageBox("Sure?", MB_YESNO), IDYES);
    EXPECT_EQ(AfxMessageBox("Again?", MB_YESNO), IDNO);
    ASSERT_EQ(presenter.shown.size(), 2u);
    EXPECT_EQ(presenter.shown[0].caption, "Querndale");
    EXPECT_EQ(presenter.shown[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(presenter.shown[0].icon, MessageIcon::Warning);
}

TEST_F(Toolkit, WindowMessageBoxIsOwnedByTheWindowWithOkAndNoIcon) {
    CSitemapDlg& dlg = OpenWindow();
    dlg.MessageBox("Save to File", "Error Writing File");
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(presenter.owners[0], dlg.GetWindow());
    EXPECT_EQ(presenter.shown[0].caption, "Error Writing File");
    EXPECT_EQ(presenter.shown[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(presenter.shown[0].icon, MessageIcon::None);
}

// A window whose OK button runs a command that raises `failure`, and whose Cancel still works.
class FailingCommandDlg final : public CDialog {
public:
    explicit FailingCommandDlg(std::function<void()> failure) : CDialog(IDD_ABOUTBOX) {
        MapClick(IDOK, std::move(failure));
    }
};

TEST_F(Toolkit, AFailureRaisedInACommandIsReportedWithTheStopIconAndTheWindowGoesOn) {
    const struct {
        std::function<void()> raise;
        const char* report;
    } cases[] = {
        {[] { throw std::runtime_error("Access denied: 530"); }, "Access denied: 530"},
        {[] { throw std::runtime_error(""); }, "Internal application error."},
        {[] { throw 42; }, "Internal application error."},
    };
    for (const auto& c : cases) {
        FailingCommandDlg dlg(c.raise);
        ASSERT_TRUE(dlg.Create());
        presenter.shown.clear();
        qobject_cast<QPushButton*>(dlg.GetDlgItem(IDOK))->click();
        ASSERT_EQ(presenter.shown.size(), 1u) << c.report;
        EXPECT_EQ(presenter.shown[0].text, c.report);
        EXPECT_EQ(presenter.shown[0].caption, "Querndale");
        EXPECT_EQ(presenter.shown[0].buttons, MessageButtons::Ok);
        EXPECT_EQ(presenter.shown[0].icon, MessageIcon::Stop);
        EXPECT_TRUE(dlg.IsWindow()) << "the window goes on";
        dlg.DestroyWindow();
    }
}

} // namespace
