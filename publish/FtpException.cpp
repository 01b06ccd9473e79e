#include "publish/FtpException.h"

namespace {

std::string Report(const std::string& description, const std::string& serverReply) {
    return serverReply.empty() ? description : description + "\n" + serverReply;
}

} // namespace

FtpException::FtpException(int code, const std::string& description, const std::string& serverReply)
    : std::runtime_error(Report(description, serverReply)), m_code(code),
      m_description(description), m_serverReply(serverReply) {}
