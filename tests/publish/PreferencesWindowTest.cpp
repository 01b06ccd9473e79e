#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include <sys/stat.h>

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "MainWindowTest.h"
#include "ModalDriver.h"
#include "publish/Preferences.h"
#include "res/Resources.h"

namespace {

namespace fs = std::filesystem;

QLineEdit* EditOf(QWidget* dialog, int id) {
    return dialog->findChild<QLineEdit*>(QStringLiteral("control_%1").arg(id));
}

mode_t ModeOf(const std::string& name) {
    struct stat info {};
    EXPECT_EQ(stat(name.c_str(), &info), 0) << name;
    return info.st_mode & 07777;
}

// The preferences file and anything named after it (a temporary file would be).
std::vector<std::string> DirectoryNames() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(".")) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("xml.ini", 0) == 0) {
            names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

const Preferences kOld{"old-user", "old-pass", "/old", "old.xml", "old.example"};
void WriteOldFile() {
    std::ofstream("xml.ini", std::ios::binary) << kOld.FileText();
}

const Preferences kNew{"new user", " new pass", "/new/folder", "new.xml", "new.example:2121"};

// The edits of the dialog with the setting each one shows.
struct EditOfSetting {
    int id;
    std::string Preferences::*setting;
};
const EditOfSetting kEdits[] = {
    {IDC_EDIT_USERNAME, &Preferences::username}, {IDC_EDIT_PASSWORD, &Preferences::password},
    {IDC_EDIT_FOLDER, &Preferences::folder},     {IDC_EDIT_FILENAME, &Preferences::fileName},
    {IDC_EDIT_SERVER, &Preferences::server},
};

class PreferencesTest : public MainWindowTest {
protected:
    Preferences Settings() {
        const CSitemapDlg& dlg = Window();
        return {dlg.m_strUsername, dlg.m_strPassword, dlg.m_strFolder, dlg.m_strFileName,
                dlg.m_strServer};
    }

    // Presses Preferences and lets `drive` work the dialog once it is open.
    void RunPreferences(const std::function<void(QDialog*)>& drive) {
        bool opened = false;
        WhenModalOpens([&](QWidget* modal) {
            opened = true;
            drive(qobject_cast<QDialog*>(modal));
        });
        Click(IDC_BUTTON_PREFERENCES);
        EXPECT_TRUE(opened);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the dialog is gone";
    }

    static void TypeNewSettings(QDialog* dialog) {
        for (const EditOfSetting& edit : kEdits) {
            QLineEdit* field = EditOf(dialog, edit.id);
            ASSERT_NE(field, nullptr) << edit.id;
            field->selectAll();
            QTest::keyClicks(field, QString::fromStdString(kNew.*edit.setting));
        }
    }
};

TEST_F(PreferencesTest, FirstStartCreatesAPrivateEmptyFileAndShutdownWritesItWhole) {
    OpenWindow();
    EXPECT_EQ(Settings(), Preferences{});
    ASSERT_TRUE(Exists("xml.ini")) << "created at once";
    EXPECT_EQ(ReadFile("xml.ini"), "");
    EXPECT_EQ(ModeOf("xml.ini") & 077, 0u) << "only its owner may read it";
    EXPECT_FALSE(Window().ToolTipsEnabled());

    CloseWindow();
    EXPECT_EQ(ReadFile("xml.ini"), Preferences{}.FileText());
    EXPECT_EQ(ReadFile("xml.ini").size(), 76u);
    EXPECT_EQ(ModeOf("xml.ini"), 0600u);
    EXPECT_TRUE(presenter.shown.empty());
}

TEST_F(PreferencesTest, LoadsTheFileAndATooltipsLineLastsOneRunOnly) {
    WriteFile("xml.ini", "CREATOR=QUERNDALE 1.0\r\nTOOLTIPS\r\nUSERNAME=old-user\r\n"
                         "PASSWORD=old-pass\r\nFOLDER=/old\r\nFILENAME=old.xml\r\n"
                         "SERVER=old.example\r\nNOTE=hand written\r\n\r\n");
    ASSERT_EQ(chmod("xml.ini", 0644), 0);
    OpenWindow();
    EXPECT_EQ(Settings(), kOld);
    EXPECT_TRUE(Window().ToolTipsEnabled());
    CloseWindow();
    EXPECT_EQ(ReadFile("xml.ini"), kOld.FileText()) << "only the seven lines are written";
    EXPECT_EQ(ModeOf("xml.ini"), 0600u) << "a readable file becomes private when rewritten";

    OpenWindow();
    EXPECT_EQ(Settings(), kOld);
    EXPECT_FALSE(Window().ToolTipsEnabled());
    EXPECT_TRUE(presenter.shown.empty());
}

// Each way of leaving the dialog after all five edits were changed.
struct EndingCase {
    const char* name;
    std::function<void(QDialog*)> end;
    bool takesTheEdits;
};

void PrintTo(const EndingCase& ending, std::ostream* out) {
    *out << ending.name;
}

class PreferencesEnding : public PreferencesTest,
                          public ::testing::WithParamInterface<EndingCase> {};

TEST_P(PreferencesEnding, SettlesTheSettingsAndRewritesTheFile) {
    WriteFile("xml.ini", kOld.FileText() + "TOOLTIPS=1\r\n");
    OpenWindow();
    Type(IDC_EDIT_URL, "http://typed.example/");
    RunPreferences([&](QDialog* dialog) {
        for (const EditOfSetting& edit : kEdits) {
            EXPECT_EQ(EditOf(dialog, edit.id)->text().toStdString(), kOld.*edit.setting);
        }
        TypeNewSettings(dialog);
        GetParam().end(dialog);
    });
    const Preferences expected = GetParam().takesTheEdits ? kNew : kOld;
    EXPECT_EQ(Settings(), expected);
    EXPECT_EQ(ReadFile("xml.ini"), expected.FileText()) << "rewritten either way";
    EXPECT_EQ(ModeOf("xml.ini"), 0600u);
    EXPECT_EQ(Text(IDC_EDIT_URL), "http://typed.example/") << "the main window's fields stay";
    EXPECT_TRUE(presenter.shown.empty());
}

std::function<void(QDialog*)> EnterIn(int id) {
    return [id](QDialog* dialog) {
        QLineEdit* edit = EditOf(dialog, id);
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Return);
    };
}

INSTANTIATE_TEST_SUITE_P(
    Ways, PreferencesEnding,
    ::testing::Values(
        EndingCase{
            "Return",
            [](QDialog* dialog) {
                dialog->findChild<QPushButton*>(QStringLiteral("control_%1").arg(IDOK))->click();
            },
            true},
        EndingCase{"EnterInServer", EnterIn(IDC_EDIT_SERVER), true},
        EndingCase{"EnterInUsername", EnterIn(IDC_EDIT_USERNAME), true},
        EndingCase{"EnterInPassword", EnterIn(IDC_EDIT_PASSWORD), true},
        EndingCase{"EnterInFolder", EnterIn(IDC_EDIT_FOLDER), true},
        EndingCase{"EnterInFilename", EnterIn(IDC_EDIT_FILENAME), true},
        EndingCase{"Escape", [](QDialog* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); },
                   false},
        EndingCase{"CloseBox", [](QDialog* dialog) { dialog->close(); }, false}),
    [](const auto& info) { return std::string(info.param.name); });

// Places where "xml.ini" cannot be replaced.
struct BlockedCase {
    const char* name;
    std::function<void()> block;
    Preferences loaded;
};

void PrintTo(const BlockedCase& blocked, std::ostream* out) {
    *out << blocked.name;
}

class PreferencesSaveFailure : public PreferencesTest,
                               public ::testing::WithParamInterface<BlockedCase> {};

TEST_P(PreferencesSaveFailure, TellsTheUserAndKeepsTheOldFile) {
    GetParam().block();
    const std::vector<std::string> namesBefore = DirectoryNames();
    const bool isFile = fs::is_regular_file("xml.ini");
    const std::string bytesBefore = isFile ? ReadFile("xml.ini") : "";
    const mode_t modeBefore = ModeOf("xml.ini");

    OpenWindow();
    EXPECT_TRUE(presenter.shown.empty()) << "a file that cannot be read is passed over";
    EXPECT_EQ(Settings(), GetParam().loaded);

    RunPreferences([](QDialog* dialog) {
        TypeNewSettings(dialog);
        QTest::keyClick(EditOf(dialog, IDC_EDIT_FOLDER), Qt::Key_Return);
    });
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(presenter.shown[0].text, "Save to File");
    EXPECT_EQ(presenter.shown[0].caption, "Error Writing File");
    EXPECT_EQ(presenter.shown[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(presenter.shown[0].icon, MessageIcon::None);
    EXPECT_EQ(presenter.owners[0], Window().GetWindow());
    EXPECT_EQ(Settings(), kNew) << "the settings taken stay in memory";

    // Shutdown tells again and goes on (to the entry list, which may fail in its own turn).
    CloseWindow();
    ASSERT_GE(presenter.shown.size(), 2u);
    EXPECT_EQ(presenter.shown[1].caption, "Error Writing File");
    EXPECT_EQ(DirectoryNames(), namesBefore) << "no temporary file left behind";
    EXPECT_EQ(ModeOf("xml.ini"), modeBefore);
    if (isFile) {
        EXPECT_EQ(ReadFile("xml.ini"), bytesBefore);
    }
}

INSTANTIATE_TEST_SUITE_P(Blocks, PreferencesSaveFailure,
                         ::testing::Values(BlockedCase{"ReadOnlyFile",
                                                       [] {
                                                           WriteOldFile();
                                                           ASSERT_EQ(chmod("xml.ini", 0400), 0);
                                                       },
                                                       kOld},
                                           BlockedCase{"ReadOnlyFolder",
                                                       [] {
                                                           WriteOldFile();
                                                           ASSERT_EQ(chmod(".", 0500), 0);
                                                       },
                                                       kOld},
                                           BlockedCase{
                                               "FolderInTheWay",
                                               [] { ASSERT_TRUE(fs::create_directory("xml.ini")); },
                                               Preferences{}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PreferencesTest, DialogShowsItsControlsMasksThePasswordAndTabsFromReturnToServer) {
    OpenWindow();
    RunPreferences([](QDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle().toStdString(), "Preferences");
        EXPECT_TRUE(dialog->windowFlags() & Qt::WindowCloseButtonHint);
        auto* returnButton =
            dialog->findChild<QPushButton*>(QStringLiteral("control_%1").arg(IDOK));
        ASSERT_NE(returnButton, nullptr);
        EXPECT_EQ(returnButton->text().toStdString(), "Return");
        EXPECT_TRUE(returnButton->isDefault());
        EXPECT_EQ(dialog->findChildren<QPushButton*>().size(), 1) << "no Cancel button";
        EXPECT_EQ(QApplication::focusWidget(), returnButton) << "Return has the focus";

        std::vector<std::string> labels;
        for (const QLabel* label : dialog->findChildren<QLabel*>()) {
            labels.push_back(label->text().toStdString());
        }
        EXPECT_EQ(labels, (std::vector<std::string>{
                              "Username:", "Password:", "Remote Folder:", "Remote Filename:",
                              "Preferencs are saved when you press \"Return\".", "Server:"}));
        const auto* group = dialog->findChild<QGroupBox*>();
        ASSERT_NE(group, nullptr);
        EXPECT_EQ(group->title().toStdString(), "FTP Settings");
        EXPECT_LT(group->geometry().right(), returnButton->geometry().left());

        int previousTop = -1;
        for (int id : {IDC_EDIT_SERVER, IDC_EDIT_USERNAME, IDC_EDIT_PASSWORD, IDC_EDIT_FOLDER,
                       IDC_EDIT_FILENAME}) {
            QLineEdit* edit = EditOf(dialog, id);
            ASSERT_NE(edit, nullptr) << id;
            EXPECT_TRUE(group->geometry().contains(edit->geometry())) << id;
            EXPECT_GT(edit->geometry().top(), previousTop) << id << " below the one before";
            previousTop = edit->geometry().top();
            EXPECT_EQ(edit->echoMode(),
                      id == IDC_EDIT_PASSWORD ? QLineEdit::Password : QLineEdit::Normal)
                << id;
        }

        std::vector<QWidget*> tabbed;
        for (int i = 0; i < 6; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            tabbed.push_back(QApplication::focusWidget());
        }
        EXPECT_EQ(tabbed, (std::vector<QWidget*>{
                              EditOf(dialog, IDC_EDIT_USERNAME), EditOf(dialog, IDC_EDIT_PASSWORD),
                              EditOf(dialog, IDC_EDIT_FOLDER), EditOf(dialog, IDC_EDIT_FILENAME),
                              EditOf(dialog, IDC_EDIT_SERVER), returnButton}));
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
}

TEST_F(PreferencesTest, PastedTextGoesInUpToItsFirstLineBreak) {
    OpenWindow();
    RunPreferences([](QDialog* dialog) {
        QLineEdit* server = EditOf(dialog, IDC_EDIT_SERVER);
        server->setFocus();
        QApplication::clipboard()->setText(QStringLiteral("ftp.example.org\r\nPASSWORD=other"));
        server->paste();
        QLineEdit* folder = EditOf(dialog, IDC_EDIT_FOLDER);
        folder->setText(QStringLiteral("/ab"));
        folder->setCursorPosition(2);
        QApplication::clipboard()->setText(QStringLiteral("X\nSERVER=y\n"));
        folder->paste();
        EXPECT_EQ(folder->cursorPosition(), 3);
        QTest::keyClick(folder, Qt::Key_Return);
    });
    EXPECT_EQ(Window().m_strServer, "ftp.example.org");
    EXPECT_EQ(Window().m_strFolder, "/aXb");
    EXPECT_EQ(Window().m_strPassword, "");
    CloseWindow();
    const Preferences expected{"", "", "/aXb", "", "ftp.example.org"};
    EXPECT_EQ(ReadFile("xml.ini"), expected.FileText());
}

} // namespace
