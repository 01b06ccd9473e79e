#include "publish/FtpSession.h"

#include <optional>
#include <utility>

#include <curl/curl.h>

#include "publish/FtpAddress.h"
#include "publish/FtpException.h"

namespace {

// One reference on libcurl's process-wide state, given back when the last holder lets go.
struct LibraryReference {
    LibraryReference() = default;
    ~LibraryReference() { curl_global_cleanup(); }
    LibraryReference(const LibraryReference&) = delete;
    LibraryReference& operator=(const LibraryReference&) = delete;
};

std::shared_ptr<void> HoldLibrary() {
    const CURLcode result = curl_global_init(CURL_GLOBAL_DEFAULT);
    if (result != CURLE_OK) {
        throw FtpException(result, curl_easy_strerror(result), {});
    }
    try {
        return std::make_shared<LibraryReference>();
    } catch (...) {
        curl_global_cleanup();
        throw;
    }
}

} // namespace

FtpSession::FtpSession(std::string agent) : FtpSession(std::move(agent), Timeouts{}) {}

FtpSession::FtpSession(std::string agent, Timeouts timeouts)
    : m_agent(std::move(agent)), m_timeouts(timeouts), m_library(HoldLibrary()) {}

FtpSession::~FtpSession() {
    Close();
}

std::unique_ptr<FtpConnection> FtpSession::GetFtpConnection(const std::string& server,
                                                            const std::string& username,
                                                            const std::string& password) {
    const std::optional<FtpAddress> address = FtpAddress::Parse(server);
    if (!m_library || !address || !FtpConnection::FitsInCommand(username) ||
        !FtpConnection::FitsInCommand(password)) {
        return nullptr;
    }
    CURL* handle = curl_easy_init();
    if (handle == nullptr) {
        return nullptr;
    }
    std::unique_ptr<FtpConnection> connection(new FtpConnection(m_library, handle));
    connection->LogIn(
        *address, username, password, m_agent, static_cast<long>(m_timeouts.connect.count()),
        static_cast<long>(m_timeouts.reply.count()), static_cast<long>(m_timeouts.stalled.count()));
    return connection;
}

void FtpSession::Close() {
    m_library.reset();
}
