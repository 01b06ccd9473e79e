#include "FtpServerCoreHelper.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <thread>

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Debian's interpreter, which sees Debian's pyftpdlib; the `python3` on the PATH may not.
constexpr const char* kPython = "/usr/bin/python3";

const char* ModeName(FtpServerCoreHelper::Mode mode) {
    switch (mode) {
    case FtpServerCoreHelper::Mode::Stall:
        return "stall";
    case FtpServerCoreHelper::Mode::NoConnectBack:
        return "no-connect-back";
    case FtpServerCoreHelper::Mode::Normal:
        break;
    }
    return "normal";
}

// The first line the server writes, within `timeoutMs`; empty when none comes.
std::string ReadFirstLine(int fd, int timeoutMs) {
    std::string line;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (line.find('\n') == std::string::npos) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return {};
        }
        pollfd ready{fd, POLLIN, 0};
        const int polled = poll(&ready, 1, static_cast<int>(left.count()));
        if (polled < 0 && errno == EINTR) {
            continue;
        }
        if (polled <= 0) {
            return {};
        }
        char buffer[64];
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got <= 0) {
            return {};
        }
        line.append(buffer, static_cast<std::size_t>(got));
    }
    return line.substr(0, line.find('\n'));
}

} // namespace

FtpServerCoreHelper::~FtpServerCoreHelper() {
    Stop();
}

bool FtpServerCoreHelper::Start(const std::string& directory, Mode mode) {
    Stop();
    m_home = directory + "/home";
    m_logFile = directory + "/ftp.log";
    std::error_code ignored;
    fs::create_directories(m_home, ignored);

    const std::string script = std::string(QUERNDALE_TEST_SOURCE) + "/ftp_test_server.py";
    std::vector<std::string> args = {
        kPython,   script,        "--home",        m_home,  "--user",  kUser,    "--password",
        kPassword, "--read-only", kReadOnlyFolder, "--log", m_logFile, "--mode", ModeName(mode)};
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);

    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0) {
        ADD_FAILURE() << "no pipe for the FTP server";
        return false;
    }
    const pid_t parent = getpid();
    m_pid = fork();
    if (m_pid == 0) {
        // The server must not outlive a test program that dies without stopping it.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent) {
            _exit(1);
        }
        dup2(pipeFds[1], STDOUT_FILENO);
        execv(kPython, argv.data());
        _exit(127);
    }
    close(pipeFds[1]);
    if (m_pid < 0) {
        close(pipeFds[0]);
        ADD_FAILURE() << "cannot start the FTP server";
        return false;
    }
    const std::string portLine = ReadFirstLine(pipeFds[0], 15000);
    close(pipeFds[0]);
    m_port = portLine.empty() ? 0 : std::atoi(portLine.c_str());
    if (m_port <= 0) {
        ADD_FAILURE() << "the FTP server did not start (" << kPython << " " << script << ")";
        Stop();
        return false;
    }
    return true;
}

void FtpServerCoreHelper::Stop() {
    if (m_pid <= 0) {
        return;
    }
    kill(m_pid, SIGTERM);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    int status = 0;
    while (waitpid(m_pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, &status, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    m_pid = -1;
}

std::string FtpServerCoreHelper::Address() const {
    return "127.0.0.1:" + std::to_string(m_port);
}

std::vector<std::string> FtpServerCoreHelper::Log() const {
    std::vector<std::string> lines;
    std::ifstream in(m_logFile);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

int FtpServerCoreHelper::Connections() const {
    const std::vector<std::string> lines = Log();
    return static_cast<int>(std::count_if(lines.begin(), lines.end(), [](const std::string& line) {
        return line.rfind("CONNECT ", 0) == 0;
    }));
}

bool FtpServerCoreHelper::Received(const std::string& prefix) const {
    for (const std::string& line : Log()) {
        const std::size_t blank = line.find(' ');
        if (line.rfind("CONNECT ", 0) != 0 && blank != std::string::npos &&
            line.compare(blank + 1, prefix.size(), prefix) == 0) {
            return true;
        }
    }
    return false;
}

std::vector<std::string> FtpServerCoreHelper::StoredFiles() const {
    std::vector<std::string> files;
    std::error_code error;
    for (auto it = fs::recursive_directory_iterator(m_home, error);
         it != fs::recursive_directory_iterator(); it.increment(error)) {
        if (it->is_regular_file()) {
            files.push_back(fs::relative(it->path(), m_home).string());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

int FtpServerCoreHelper::UnusedPort() {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    int port = 0;
    if (fd >= 0 && bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
        port = ntohs(address.sin_port);
    }
    if (fd >= 0) {
        close(fd);
    }
    return port;
}
