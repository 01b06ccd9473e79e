#pragma once

#include <chrono>
#include <memory>
#include <string>

#include "publish/FtpConnection.h"

// One FTP session: opened for one command, it makes the connections of that command and is
// closed at its end. While open it holds libcurl's process-wide set-up, as does every
// connection it made, so the layer works whether or not the program set libcurl up at start.
class FtpSession {
public:
    // How long the network may keep the program waiting.
    struct Timeouts {
        std::chrono::seconds connect{30}; // to reach the server
        std::chrono::seconds reply{30};   // for each reply of the server, and its data connection
        std::chrono::seconds stalled{60}; // a transfer that moves no byte
    };

    // Opens the session; raises FtpException when libcurl cannot be set up.
    explicit FtpSession(std::string agent);
    FtpSession(std::string agent, Timeouts timeouts);
    ~FtpSession();
    FtpSession(const FtpSession&) = delete;
    FtpSession& operator=(const FtpSession&) = delete;

    // Connects to `server` (see FtpAddress) and logs in, in active mode. Returns no connection
    // when the settings cannot name a connection (a server text that is no address, a user
    // name or password that cannot be sent) or libcurl can make no handle. Raises FtpException
    // when the server cannot be reached, does not answer in time or refuses the login.
    std::unique_ptr<FtpConnection> GetFtpConnection(const std::string& server,
                                                    const std::string& username,
                                                    const std::string& password);

    void Close();

private:
    std::string m_agent;
    Timeouts m_timeouts;
    std::shared_ptr<void> m_library;
};
