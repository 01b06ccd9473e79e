#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <QDialog>

#include "FtpServerCoreHelper.h"
#include "MainWindowTest.h"
#include "res/Resources.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kMissingSettings =
    "You need to specify a server name in the Preferences section.";

// The main window with its FTP settings pointing at a real server of the test's own.
class FtpUpload : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ASSERT_TRUE(server.Start(Dir() + "/server"));
        CSitemapDlg& dlg = OpenWindow();
        dlg.m_strServer = server.Address();
        dlg.m_strUsername = FtpServerCoreHelper::kUser;
        dlg.m_strPassword = FtpServerCoreHelper::kPassword;
        dlg.m_strFolder = "";
        dlg.m_strFileName = "sitemap.xml";
    }
    void TearDown() override {
        server.Stop();
        MainWindowTest::TearDown();
    }

    // Clicks FTP, which must leave the working directory as it found it, whatever happens.
    void ClickFtp() {
        const fs::path before = fs::current_path();
        Click(IDC_BUTTON_FTP);
        EXPECT_EQ(fs::current_path(), before) << "the working directory changed";
    }
    // The message box that the last click showed.
    MessageRequest LastMessage() const {
        EXPECT_FALSE(presenter.shown.empty()) << "no message box";
        return presenter.shown.empty() ? MessageRequest{} : presenter.shown.back();
    }
    void ExpectWindowMessage(const std::string& text, const std::string& caption) {
        ASSERT_EQ(presenter.shown.size(), 1u);
        EXPECT_EQ(presenter.shown[0].text, text);
        EXPECT_EQ(presenter.shown[0].caption, caption);
        EXPECT_EQ(presenter.shown[0].buttons, MessageButtons::Ok);
        EXPECT_EQ(presenter.shown[0].icon, MessageIcon::None);
        EXPECT_EQ(presenter.owners[0], Window().GetWindow());
    }
    std::string Remote(const std::string& path) const {
        std::ifstream in(server.Home() + "/" + path, std::ios::binary);
        EXPECT_TRUE(in.good()) << path << " is not on the server";
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    FtpServerCoreHelper server;
};

TEST_F(FtpUpload, SendsTheFileByteForByteAndSaysSo) {
    const std::string bytes = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
                              "<urlset>\r\n"
                              "<url><loc>http://www.example.org/caf\xC3\xA9</loc></url>\r\n"
                              "</urlset>\r\n";
    WriteFile("sitemap.xml", bytes);
    ClickFtp();
    ExpectWindowMessage("Upload of: sitemap.xml\r\nSucceeded", "FTP Success");
    EXPECT_EQ(Remote("sitemap.xml"), bytes);
    EXPECT_EQ(ReadFile("sitemap.xml"), bytes);
}

TEST_F(FtpUpload, TalksToTheServerInActiveModeAndBinaryType) {
    WriteFile("sitemap.xml", "<urlset/>\r\n");
    ClickFtp();
    EXPECT_TRUE(server.Received("EPRT") || server.Received("PORT"));
    EXPECT_FALSE(server.Received("PASV") || server.Received("EPSV"));
    EXPECT_TRUE(server.Received("TYPE I"));
    EXPECT_FALSE(server.Received("TYPE A"));
    EXPECT_TRUE(server.Received("STOR sitemap.xml"));
    EXPECT_TRUE(server.Received("QUIT")) << "the connection is closed at the end";
}

struct PlaceCase {
    const char* name;
    const char* folder;
    const char* fileName;
    const char* stored; // where the file must land, relative to the login directory
};

class FtpUploadPlace : public FtpUpload, public ::testing::WithParamInterface<PlaceCase> {};

TEST_P(FtpUploadPlace, StoresTheFileThereAndNowhereElse) {
    const PlaceCase& c = GetParam();
    fs::create_directories(server.Home() + "/site/deeper");
    Window().m_strFolder = c.folder;
    Window().m_strFileName = c.fileName;
    WriteFile(c.fileName, "<urlset/>\r\n");
    ClickFtp();
    ExpectWindowMessage(std::string("Upload of: ") + c.fileName + "\r\nSucceeded", "FTP Success");
    EXPECT_EQ(server.StoredFiles(), std::vector<std::string>{c.stored});
    if (std::string(c.folder).empty()) {
        EXPECT_FALSE(server.Received("CWD")) << "no change of directory for an empty folder";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Folders, FtpUploadPlace,
    ::testing::Values(
        PlaceCase{"RemoteFolder", "site", "sitemap.xml", "site/sitemap.xml"},
        PlaceCase{"EmptyFolderIsTheLoginDirectory", "", "sitemap.xml", "sitemap.xml"},
        PlaceCase{"AbsoluteFolder", "/site/deeper", "sitemap.xml", "site/deeper/sitemap.xml"},
        PlaceCase{"NameWithBlanksAndPercent", "site", "my map 100%.xml", "site/my map 100%.xml"}),
    [](const auto& info) { return std::string(info.param.name); });

struct FailedCase {
    const char* name;
    const char* folder;
    const char* fileName;
    const char* localBytes; // nullptr: no local file of that name is written
};

class FtpUploadFailed : public FtpUpload, public ::testing::WithParamInterface<FailedCase> {};

// After connecting, an upload that cannot be made as asked says "Failed" and stores nothing.
TEST_P(FtpUploadFailed, SaysFailedAndStoresNothing) {
    const FailedCase& c = GetParam();
    Window().m_strFolder = c.folder;
    Window().m_strFileName = c.fileName;
    if (c.localBytes != nullptr) {
        WriteFile(c.fileName, c.localBytes);
    }
    ClickFtp();
    ExpectWindowMessage(std::string("Upload of: ") + c.fileName + "\r\nFailed", "FTP Error");
    EXPECT_EQ(server.StoredFiles(), std::vector<std::string>{});
    EXPECT_TRUE(server.Received("USER")) << "the connection is made first";
    if (c.localBytes == nullptr || std::string(c.localBytes).empty()) {
        EXPECT_FALSE(server.Received("CWD")) << "nothing to send, so no folder to enter";
        EXPECT_FALSE(server.Received("STOR"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Uploads, FtpUploadFailed,
    ::testing::Values(FailedCase{"ReadOnlyRemoteFolder", FtpServerCoreHelper::kReadOnlyFolder,
                                 "sitemap.xml", "<urlset/>\r\n"},
                      FailedCase{"MissingRemoteFolder", "nowhere", "sitemap.xml", "<urlset/>\r\n"},
                      FailedCase{"MissingLocalFile", FtpServerCoreHelper::kReadOnlyFolder,
                                 "sitemap.xml", nullptr},
                      FailedCase{"EmptyLocalFile", "", "sitemap.xml", ""},
                      FailedCase{"DotAsFileName", "", ".", nullptr},
                      FailedCase{"DotDotAsFileName", "", "..", nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FtpUpload, AnEmptySettingGivesTheSettingsMessageWithoutConnecting) {
    WriteFile("sitemap.xml", "<urlset/>\r\n");
    for (std::string CSitemapDlg::*setting :
         {&CSitemapDlg::m_strServer, &CSitemapDlg::m_strUsername, &CSitemapDlg::m_strPassword}) {
        CSitemapDlg& dlg = Window();
        const std::string kept = dlg.*setting;
        dlg.*setting = "";
        presenter.shown.clear();
        presenter.owners.clear();
        ClickFtp();
        ExpectWindowMessage(kMissingSettings, "Error");
        dlg.*setting = kept;
    }
    EXPECT_EQ(server.Connections(), 0);
}

TEST_F(FtpUpload, AServerSettingThatIsNoAddressGivesTheConnectingMessage) {
    WriteFile("sitemap.xml", "<urlset/>\r\n");
    for (const std::string& setting : {server.Address() + "/x", std::string("127.0.0.1:ftp")}) {
        Window().m_strServer = setting;
        presenter.shown.clear();
        presenter.owners.clear();
        ClickFtp();
        ExpectWindowMessage("Error Connecting to FTP Server", "Error");
    }
    EXPECT_EQ(server.Connections(), 0);
}

struct RaisedCase {
    const char* name;
    bool wrongPassword; // else: a port where nothing listens
    const char* inReport;
};

class FtpUploadRaised : public FtpUpload, public ::testing::WithParamInterface<RaisedCase> {};

// The command ends, the window reports the failure with the stop icon and goes on: the next
// click with good settings uploads.
TEST_P(FtpUploadRaised, ReportsWithTheStopIconAndTheWindowGoesOn) {
    const RaisedCase& c = GetParam();
    WriteFile("sitemap.xml", "<urlset/>\r\n");
    CSitemapDlg& dlg = Window();
    const std::string goodServer = dlg.m_strServer;
    const std::string goodPassword = dlg.m_strPassword;
    if (c.wrongPassword) {
        dlg.m_strPassword = "wrong";
    } else {
        dlg.m_strServer = "127.0.0.1:" + std::to_string(FtpServerCoreHelper::UnusedPort());
    }
    ClickFtp();
    ASSERT_EQ(presenter.shown.size(), 1u);
    const MessageRequest report = presenter.shown[0];
    EXPECT_EQ(report.caption, kApplicationName);
    EXPECT_EQ(report.icon, MessageIcon::Stop);
    EXPECT_EQ(report.buttons, MessageButtons::Ok);
    EXPECT_NE(report.text.find(c.inReport), std::string::npos) << report.text;
    EXPECT_EQ(server.StoredFiles(), std::vector<std::string>{});

    ASSERT_TRUE(dlg.IsWindow());
    dlg.m_strServer = goodServer;
    dlg.m_strPassword = goodPassword;
    ClickFtp();
    EXPECT_EQ(LastMessage().text, "Upload of: sitemap.xml\r\nSucceeded");
    EXPECT_EQ(server.StoredFiles(), std::vector<std::string>{"sitemap.xml"});
}

INSTANTIATE_TEST_SUITE_P(Failures, FtpUploadRaised,
                         ::testing::Values(RaisedCase{"WrongPassword", true, "530"},
                                           RaisedCase{"NothingListening", false,
                                                      "Couldn't connect to server"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FtpUpload, EachClickIsASessionOfItsOwn) {
    fs::create_directories(server.Home() + "/site");
    WriteFile("sitemap.xml", "<urlset/>\r\n");
    Window().m_strFolder = "site";
    ClickFtp();
    Window().m_strFolder = "";
    ClickFtp();

    ASSERT_EQ(presenter.shown.size(), 2u);
    EXPECT_EQ(presenter.shown[1].text, "Upload of: sitemap.xml\r\nSucceeded");
    EXPECT_EQ(server.Connections(), 2);
    const std::vector<std::string> log = server.Log();
    for (const char* line : {"1 USER", "1 QUIT", "2 USER", "2 QUIT"}) {
        EXPECT_NE(std::find_if(log.begin(), log.end(),
                               [&](const std::string& l) { return l.rfind(line, 0) == 0; }),
                  log.end())
            << line;
    }
    EXPECT_EQ(server.StoredFiles(), (std::vector<std::string>{"site/sitemap.xml", "sitemap.xml"}))
        << "the second session starts in the login directory again";
}

} // namespace
