#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <curl/curl.h>
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "FtpServerCoreHelper.h"
#include "publish/FtpAddress.h"
#include "publish/FtpConnection.h"
#include "publish/FtpException.h"
#include "publish/FtpSession.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kAgent = "Querndale FTP Session";
constexpr const char* kInternationalName = "b\xC3\xBC"
                                           "cher.example";

struct AddressCase {
    const char* server;
    bool valid;
    const char* host;
    int port;
    const char* urlHost;
};

TEST(FtpAddress, AcceptsHostPortAndBracketedIpv6AndNothingThatCouldBendTheAddress) {
    const AddressCase cases[] = {
        {"ftp.example.org", true, "ftp.example.org", 21, "ftp.example.org"},
        {"ftp.example.org:2121", true, "ftp.example.org", 2121, "ftp.example.org"},
        {"127.0.0.1:65535", true, "127.0.0.1", 65535, "127.0.0.1"},
        {kInternationalName, true, kInternationalName, 21, kInternationalName},
        {"[::1]:2121", true, "::1", 2121, "[::1]"},
        {"[2001:db8::7]", true, "2001:db8::7", 21, "[2001:db8::7]"},
        {"2001:db8::7", true, "2001:db8::7", 21, "[2001:db8::7]"},
        {"", false, "", 0, ""},
        {":21", false, "", 0, ""},
        {"host:", false, "", 0, ""},
        {"host:0", false, "", 0, ""},
        {"host:65536", false, "", 0, ""},
        {"host:21x", false, "", 0, ""},
        {"host:+21", false, "", 0, ""},
        {"[::1", false, "", 0, ""},
        {"[::1]21", false, "", 0, ""},
        {"[]:21", false, "", 0, ""},
        {"[example.org]:21", false, "", 0, ""},
        {"ftp://example.org", false, "", 0, ""},
        {"user@example.org", false, "", 0, ""},
        {"example.org/folder", false, "", 0, ""},
        {"example.org?x", false, "", 0, ""},
        {"exa mple.org", false, "", 0, ""},
        {"example.org\r\n", false, "", 0, ""},
    };
    for (const AddressCase& c : cases) {
        const std::optional<FtpAddress> address = FtpAddress::Parse(c.server);
        ASSERT_EQ(address.has_value(), c.valid) << '"' << c.server << '"';
        if (address) {
            EXPECT_EQ(address->host, c.host) << c.server;
            EXPECT_EQ(address->port, c.port) << c.server;
            EXPECT_EQ(address->UrlHost(), c.urlHost) << c.server;
        }
    }
}

// Accepts connections (the kernel completes them) but never says a word.
class SilentServer {
public:
    SilentServer() {
        m_fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (m_fd >= 0 && bind(m_fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
            listen(m_fd, 4) == 0 &&
            getsockname(m_fd, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
            m_port = ntohs(address.sin_port);
        }
    }
    ~SilentServer() {
        if (m_fd >= 0) {
            close(m_fd);
        }
    }
    SilentServer(const SilentServer&) = delete;
    SilentServer& operator=(const SilentServer&) = delete;
    std::string Address() const { return "127.0.0.1:" + std::to_string(m_port); }

private:
    int m_fd = -1;
    int m_port = 0;
};

// Every test has its own directory with the local files, and the server's directory in it.
class FtpLayer : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "querndale-ftp-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_dir = pattern;
    }
    void TearDown() override {
        server.Stop();
        std::error_code ignored;
        fs::remove_all(m_dir, ignored);
    }

    bool StartServer(FtpServerCoreHelper::Mode mode = FtpServerCoreHelper::Mode::Normal) {
        return server.Start(m_dir + "/server", mode);
    }
    std::string LocalPath(const std::string& name) const { return m_dir + "/" + name; }
    // Writes a local file and returns its path.
    std::string Local(const std::string& name, const std::string& bytes) const {
        std::ofstream(LocalPath(name), std::ios::binary) << bytes;
        return LocalPath(name);
    }
    std::string Remote(const std::string& path) const {
        std::ifstream in(server.Home() + "/" + path, std::ios::binary);
        EXPECT_TRUE(in.good()) << path << " is not on the server";
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    std::unique_ptr<FtpConnection> Connect(FtpSession& session) {
        return session.GetFtpConnection(server.Address(), FtpServerCoreHelper::kUser,
                                        FtpServerCoreHelper::kPassword);
    }

    FtpServerCoreHelper server;

private:
    std::string m_dir;
};

TEST_F(FtpLayer, SendsTheBytesUnchangedInActiveModeUnderTheExactName) {
    ASSERT_TRUE(StartServer());
    fs::create_directory(server.Home() + "/sub");
    const std::string bytes =
        std::string("<?xml?>\r\nline\nlone\rcarriage\0nul \xFF\xFE end\r\n", 38);
    const std::string local = Local("local.bin", bytes);

    FtpSession session(kAgent);
    std::unique_ptr<FtpConnection> connection = Connect(session);
    ASSERT_NE(connection, nullptr);
    const char* names[] = {"sitemap.xml", "site map 100%.xml", "a#b?c;d.xml", "sub/inner.xml"};
    for (const char* name : names) {
        EXPECT_TRUE(connection->PutFile(local, name)) << name << ": " << connection->LastError();
        EXPECT_EQ(Remote(name), bytes) << name;
        EXPECT_TRUE(server.Received(std::string("STOR ") + name)) << name;
    }
    connection->Close();

    EXPECT_TRUE(server.Received("EPRT") || server.Received("PORT"));
    EXPECT_FALSE(server.Received("PASV") || server.Received("EPSV"));
    EXPECT_TRUE(server.Received("TYPE I"));
    EXPECT_FALSE(server.Received("TYPE A"));
    EXPECT_TRUE(server.Received("QUIT")) << "closing logs out";
    EXPECT_EQ(server.Connections(), 1) << "every step on the one connection";
}

TEST_F(FtpLayer, StoresInTheFolderChosenLastAndOnlyThere) {
    ASSERT_TRUE(StartServer());
    fs::create_directories(server.Home() + "/site/deeper");
    const std::string local = Local("sitemap.xml", "x\r\n");

    FtpSession session(kAgent);
    std::unique_ptr<FtpConnection> connection = Connect(session);
    ASSERT_NE(connection, nullptr);
    ASSERT_TRUE(connection->SetCurrentDirectory("site"));
    ASSERT_TRUE(connection->PutFile(local, "one.xml"));
    ASSERT_TRUE(connection->SetCurrentDirectory("deeper"));
    ASSERT_TRUE(connection->PutFile(local, "two.xml"));
    ASSERT_TRUE(connection->SetCurrentDirectory("/"));
    ASSERT_TRUE(connection->PutFile(local, "three.xml"));
    EXPECT_EQ(server.StoredFiles(),
              (std::vector<std::string>{"site/deeper/two.xml", "site/one.xml", "three.xml"}));
}

struct RefusedCase {
    const char* name;
    const char* folder; // nullptr: no change of directory
    const char* localFile;
    const char* remoteFile;
    const char* mustNotReceive; // nullptr: the server may see the step and refuse it
};

class FtpLayerRefusal : public FtpLayer, public ::testing::WithParamInterface<RefusedCase> {};

// A refused step reports false, stores nothing and sends nothing of what it was refused for.
TEST_P(FtpLayerRefusal, FailsTheStepAndStoresNothing) {
    const RefusedCase& c = GetParam();
    ASSERT_TRUE(StartServer());
    Local("sitemap.xml", "<urlset/>\r\n");

    FtpSession session(kAgent);
    std::unique_ptr<FtpConnection> connection = Connect(session);
    ASSERT_NE(connection, nullptr);
    bool ok = true;
    if (c.folder != nullptr) {
        ok = connection->SetCurrentDirectory(c.folder);
    }
    if (ok) {
        ok = connection->PutFile(LocalPath(c.localFile), c.remoteFile);
    }
    EXPECT_FALSE(ok);
    EXPECT_FALSE(connection->LastError().empty());
    EXPECT_EQ(server.StoredFiles(), std::vector<std::string>{});
    if (c.mustNotReceive != nullptr) {
        EXPECT_FALSE(server.Received(c.mustNotReceive));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Steps, FtpLayerRefusal,
    ::testing::Values(
        RefusedCase{"MissingFolder", "nowhere", "sitemap.xml", "sitemap.xml", "STOR"},
        RefusedCase{"ReadOnlyFolder", FtpServerCoreHelper::kReadOnlyFolder, "sitemap.xml",
                    "sitemap.xml", nullptr},
        RefusedCase{"LineBreakInFolder", "locked\r\nMKD made", "sitemap.xml", "sitemap.xml", "MKD"},
        RefusedCase{"MissingLocalFile", nullptr, "absent.xml", "absent.xml", "STOR"},
        RefusedCase{"LocalFolder", nullptr, ".", "dot", "STOR"},
        RefusedCase{"LineBreakInRemoteName", nullptr, "sitemap.xml", "x.xml\r\nMKD made", "MKD"}),
    [](const auto& info) { return std::string(info.param.name); });

// libcurl ends the control connection after a refused command; a later step must not log in
// again on a new connection, which would start in the login directory instead of the folder.
TEST_F(FtpLayer, ARefusedFolderReportsTheServersAnswerAndEndsTheConnection) {
    ASSERT_TRUE(StartServer());
    fs::create_directory(server.Home() + "/site");
    const std::string local = Local("sitemap.xml", "x");
    FtpSession session(kAgent);
    std::unique_ptr<FtpConnection> connection = Connect(session);
    ASSERT_NE(connection, nullptr);
    ASSERT_TRUE(connection->SetCurrentDirectory("site"));
    EXPECT_FALSE(connection->SetCurrentDirectory("nowhere"));
    EXPECT_NE(connection->LastError().find("\n550 "), std::string::npos) << connection->LastError();
    EXPECT_FALSE(connection->PutFile(local, "sitemap.xml"));
    EXPECT_EQ(server.Connections(), 1);
    EXPECT_EQ(server.StoredFiles(), std::vector<std::string>{});
}

struct RaisedCase {
    const char* name;
    int code;
    bool serverReplies;
};

class FtpLayerRaised : public FtpLayer, public ::testing::WithParamInterface<RaisedCase> {};

// Failing to reach the server or to log in is raised with libcurl's description and the
// server's last reply, and leaves no connection behind.
TEST_P(FtpLayerRaised, RaisesWithTheDescriptionAndTheServersReply) {
    const RaisedCase& c = GetParam();
    SilentServer silent;
    std::string address;
    std::string password = FtpServerCoreHelper::kPassword;
    if (c.code == CURLE_LOGIN_DENIED) {
        ASSERT_TRUE(StartServer());
        address = server.Address();
        password = "wrong";
    } else if (c.code == CURLE_COULDNT_CONNECT) {
        address = "127.0.0.1:" + std::to_string(FtpServerCoreHelper::UnusedPort());
    } else {
        address = silent.Address();
    }

    FtpSession session(kAgent,
                       FtpSession::Timeouts{std::chrono::seconds(1), std::chrono::seconds(1),
                                            std::chrono::seconds(1)});
    try {
        session.GetFtpConnection(address, FtpServerCoreHelper::kUser, password);
        ADD_FAILURE() << "nothing raised";
    } catch (const FtpException& failure) {
        EXPECT_EQ(failure.Code(), c.code) << failure.what();
        EXPECT_FALSE(failure.Description().empty());
        if (c.serverReplies) {
            EXPECT_EQ(failure.ServerReply().rfind("530 ", 0), 0u) << failure.ServerReply();
            EXPECT_EQ(std::string(failure.what()),
                      failure.Description() + "\n" + failure.ServerReply());
        } else {
            EXPECT_EQ(failure.ServerReply(), "");
            EXPECT_EQ(std::string(failure.what()), failure.Description());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Failures, FtpLayerRaised,
    ::testing::Values(RaisedCase{"LoginRefused", CURLE_LOGIN_DENIED, true},
                      RaisedCase{"NothingListening", CURLE_COULDNT_CONNECT, false},
                      RaisedCase{"ServerSilent", CURLE_OPERATION_TIMEDOUT, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FtpLayer, SettingsThatCannotNameAConnectionGiveNoneWithoutConnecting) {
    ASSERT_TRUE(StartServer());
    const std::string address = server.Address();
    const struct {
        std::string server;
        std::string user;
        std::string password;
    } cases[] = {
        {address + "/x", FtpServerCoreHelper::kUser, FtpServerCoreHelper::kPassword},
        {"127.0.0.1:port", FtpServerCoreHelper::kUser, FtpServerCoreHelper::kPassword},
        {address, std::string(FtpServerCoreHelper::kUser) + "\r\nMKD made",
         FtpServerCoreHelper::kPassword},
        {address, FtpServerCoreHelper::kUser, std::string("pass\nword")},
    };
    FtpSession session(kAgent);
    for (const auto& c : cases) {
        EXPECT_EQ(session.GetFtpConnection(c.server, c.user, c.password), nullptr) << c.server;
    }
    EXPECT_EQ(server.Connections(), 0);
}

struct StallCase {
    const char* name;
    FtpServerCoreHelper::Mode mode;
    std::size_t bytes;
};

class FtpLayerStall : public FtpLayer, public ::testing::WithParamInterface<StallCase> {};

// A transfer that stops moving is abandoned as a failed step instead of holding the window.
TEST_P(FtpLayerStall, GivesUpOnATransferThatMakesNoProgress) {
    const StallCase& c = GetParam();
    ASSERT_TRUE(StartServer(c.mode));
    const std::string local = Local("big.xml", std::string(c.bytes, 'x'));
    FtpSession session(kAgent,
                       FtpSession::Timeouts{std::chrono::seconds(5), std::chrono::seconds(1),
                                            std::chrono::seconds(1)});
    std::unique_ptr<FtpConnection> connection = Connect(session);
    ASSERT_NE(connection, nullptr);
    EXPECT_FALSE(connection->PutFile(local, "big.xml"));
    EXPECT_FALSE(connection->LastError().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Transfers, FtpLayerStall,
    ::testing::Values(StallCase{"ServerStopsReading", FtpServerCoreHelper::Mode::Stall, 16u << 20},
                      StallCase{"ServerNeverConnectsBack", FtpServerCoreHelper::Mode::NoConnectBack,
                                100}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
