#pragma once

#include <string>
#include <vector>

#include <sys/types.h>

// A real FTP server on 127.0.0.1 for one test: ftp_test_server.py in a child process, with one
// user whose login directory is Home(), a folder kReadOnlyFolder in it where the user may not
// store, and a log of every connection and command. Stopped when the helper goes, so a failing
// test leaves no server behind.
class FtpServerCoreHelper {
public:
    enum class Mode {
        Normal,
        Stall,         // never reads the data of an upload
        NoConnectBack, // acknowledges active-mode data connections but never opens them
    };

    static constexpr const char* kUser = "webmaster";
    static constexpr const char* kPassword = "open sesame";
    static constexpr const char* kReadOnlyFolder = "locked";

    FtpServerCoreHelper() = default;
    ~FtpServerCoreHelper();
    FtpServerCoreHelper(const FtpServerCoreHelper&) = delete;
    FtpServerCoreHelper& operator=(const FtpServerCoreHelper&) = delete;

    // Starts the server in `directory` (created; the login directory and the log go inside it)
    // and returns once it accepts connections; false, with the test failed, when it does not.
    bool Start(const std::string& directory, Mode mode = Mode::Normal);
    void Stop();

    const std::string& Home() const { return m_home; }
    int Port() const { return m_port; }
    // The server setting that reaches it: "127.0.0.1:<port>".
    std::string Address() const;

    // The log so far: "CONNECT <n>" for the n-th connection, "<n> <command line>" for each of
    // its commands (the password masked).
    std::vector<std::string> Log() const;
    // How many connections the server has accepted.
    int Connections() const;
    // Whether any logged command line begins with `prefix` (for example "STOR" or "TYPE I").
    bool Received(const std::string& prefix) const;
    // Every regular file below the login directory, as paths relative to it.
    std::vector<std::string> StoredFiles() const;

    // A port on 127.0.0.1 where nothing listens.
    static int UnusedPort();

private:
    pid_t m_pid = -1;
    int m_port = 0;
    std::string m_home;
    std::string m_logFile;
};
