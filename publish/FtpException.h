#pragma once

#include <stdexcept>
#include <string>

// A failure of the FTP layer that ends the command in progress: the server could not be reached
// or refused the login, or the network library could not be used at all. Carries libcurl's
// description of the error and, when the server had answered, its last reply.
class FtpException : public std::runtime_error {
public:
    FtpException(int code, const std::string& description, const std::string& serverReply);

    // libcurl's result code (a CURLcode).
    int Code() const { return m_code; }
    const std::string& Description() const { return m_description; }
    // The server's last reply, its lines joined by line feeds; empty when it had said nothing.
    const std::string& ServerReply() const { return m_serverReply; }

private:
    int m_code;
    std::string m_description;
    std::string m_serverReply;
};
