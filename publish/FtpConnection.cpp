#include "publish/FtpConnection.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <utility>

#include "publish/FtpAddress.h"
#include "publish/FtpException.h"

namespace {

constexpr std::string_view kActiveModeNotice = "sa_addr inet_ntop() failed";

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

struct CurlFree {
    void operator()(char* text) const { curl_free(text); }
};

// libcurl's read callback over the local file: a read error aborts the transfer instead of
// passing for the end of the file.
std::size_t ReadLocalFile(char* buffer, std::size_t size, std::size_t count, void* stream) {
    auto* file = static_cast<std::FILE*>(stream);
    const std::size_t read = std::fread(buffer, size, count, file);
    if (read == 0 && std::ferror(file) != 0) {
        return CURL_READFUNC_ABORT;
    }
    return read;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

FtpConnection::FtpConnection(std::shared_ptr<void> library, CURL* handle)
    : m_library(std::move(library)), m_handle(handle) {}

FtpConnection::~FtpConnection() {
    // Logging out still delivers the server's farewell to this object's reply callback.
    Close();
}

bool FtpConnection::FitsInCommand(const std::string& text) {
    return text.find_first_of(std::string("\r\n\0", 3)) == std::string::npos;
}

void FtpConnection::LogIn(const FtpAddress& address, const std::string& username,
                          const std::string& password, const std::string& agent,
                          long connectSeconds, long replySeconds, long stalledSeconds) {
    m_baseUrl = "ftp://" + address.UrlHost() + ":" + std::to_string(address.port) + "/";
    CURL* handle = m_handle.get();
    CURLcode result = CURLE_OK;
    const auto set = [&result](CURLcode code) {
        if (result == CURLE_OK) {
            result = code;
        }
    };
    // First, so that libcurl can describe whatever fails from here on.
    set(curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, m_errorBuffer));
    // FTP and nothing else, whatever the address turns into.
    set(curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "ftp"));
    // The server's root: logging in touches no file or folder.
    set(curl_easy_setopt(handle, CURLOPT_URL, m_baseUrl.c_str()));
    // Kept out of the address, so no character of them needs escaping.
    set(curl_easy_setopt(handle, CURLOPT_USERNAME, username.c_str()));
    set(curl_easy_setopt(handle, CURLOPT_PASSWORD, password.c_str()));
    // Active mode: the server opens data connections to the address of our control connection.
    set(curl_easy_setopt(handle, CURLOPT_FTPPORT, "-"));
    // No proxy from the environment: active-mode data connections come from the server itself,
    // which a proxy cannot relay, and an HTTP proxy would turn these steps into web requests.
    set(curl_easy_setopt(handle, CURLOPT_PROXY, ""));
    // Paths go to the server as given, relative to the directory SetCurrentDirectory chose;
    // libcurl's own changes of directory would take it back to the login directory.
    set(curl_easy_setopt(handle, CURLOPT_FTP_FILEMETHOD, static_cast<long>(CURLFTPMETHOD_NOCWD)));
    // Binary: the file's bytes, CR LF included, reach the server unchanged.
    set(curl_easy_setopt(handle, CURLOPT_TRANSFERTEXT, 0L));
    // The window waits while this runs, so nothing may wait for ever: reaching the server...
    set(curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT, connectSeconds));
    // ...each reply of the server, its greeting included...
    set(curl_easy_setopt(handle, CURLOPT_SERVER_RESPONSE_TIMEOUT, replySeconds));
    // ...the server's data connection in active mode...
    set(curl_easy_setopt(handle, CURLOPT_ACCEPTTIMEOUT_MS, replySeconds * 1000));
    // ...and a transfer that moves less than a byte a second for that long.
    set(curl_easy_setopt(handle, CURLOPT_LOW_SPEED_LIMIT, 1L));
    set(curl_easy_setopt(handle, CURLOPT_LOW_SPEED_TIME, stalledSeconds));
    // Time-outs without signals: this runs on the window's thread, whose signals are not ours.
    set(curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L));
    // The server's replies, to tell the user what the server said when a step fails.
    set(curl_easy_setopt(handle, CURLOPT_HEADERFUNCTION, &FtpConnection::OnReplyLine));
    set(curl_easy_setopt(handle, CURLOPT_HEADERDATA, this));
    // The session's name; FTP has no field for it, so libcurl keeps it without sending it.
    set(curl_easy_setopt(handle, CURLOPT_USERAGENT, agent.c_str()));
    // Log in only: no listing and no transfer.
    set(curl_easy_setopt(handle, CURLOPT_NOBODY, 1L));
    if (result != CURLE_OK) {
        throw FtpException(result, Describe(result), {});
    }
    result = Perform();
    if (result != CURLE_OK) {
        throw FtpException(result, Describe(result), m_lastReply);
    }
}

bool FtpConnection::SetCurrentDirectory(const std::string& directory) {
    if (!IsLoggedIn()) {
        return false;
    }
    if (!FitsInCommand(directory)) {
        m_lastError = "The folder name cannot be sent to the server.";
        return false;
    }
    std::unique_ptr<curl_slist, ListDeleter> commands(
        curl_slist_append(nullptr, ("CWD " + directory).c_str()));
    if (!commands) {
        return Fail(CURLE_OUT_OF_MEMORY);
    }
    CURL* handle = m_handle.get();
    // A command of its own on the logged-in connection; it fails the step when refused.
    CURLcode result = curl_easy_setopt(handle, CURLOPT_QUOTE, commands.get());
    if (result == CURLE_OK) {
        result = curl_easy_setopt(handle, CURLOPT_URL, m_baseUrl.c_str());
    }
    if (result == CURLE_OK) {
        // Nothing is listed or sent after the command.
        result = curl_easy_setopt(handle, CURLOPT_NOBODY, 1L);
    }
    if (result == CURLE_OK) {
        result = Perform();
    }
    // The list goes with this step; later steps must not send it again.
    const CURLcode cleared = curl_easy_setopt(handle, CURLOPT_QUOTE, nullptr);
    if (result == CURLE_OK) {
        result = cleared;
    }
    return result == CURLE_OK || Fail(result);
}

bool FtpConnection::PutFile(const std::string& localFile, const std::string& remoteFile) {
    if (!IsLoggedIn()) {
        return false;
    }
    std::error_code sizeError;
    const std::uintmax_t size = std::filesystem::file_size(localFile, sizeError);
    if (sizeError) {
        m_lastError = localFile + ": " + sizeError.message();
        return false;
    }
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(localFile.c_str(), "rb"));
    if (!file) {
        m_lastError = localFile + ": " + std::strerror(errno);
        return false;
    }
    CURL* handle = m_handle.get();
    const std::unique_ptr<char, CurlFree> escaped(
        curl_easy_escape(handle, remoteFile.data(), static_cast<int>(remoteFile.size())));
    if (!escaped) {
        return Fail(CURLE_OUT_OF_MEMORY);
    }
    const std::string url = m_baseUrl + escaped.get();

    CURLcode result = CURLE_OK;
    const auto set = [&result](CURLcode code) {
        if (result == CURLE_OK) {
            result = code;
        }
    };
    // The whole name escaped: libcurl decodes it and refuses control characters in it.
    set(curl_easy_setopt(handle, CURLOPT_URL, url.c_str()));
    set(curl_easy_setopt(handle, CURLOPT_NOBODY, 0L));
    set(curl_easy_setopt(handle, CURLOPT_UPLOAD, 1L));
    set(curl_easy_setopt(handle, CURLOPT_READFUNCTION, &ReadLocalFile));
    set(curl_easy_setopt(handle, CURLOPT_READDATA, file.get()));
    // The size lets libcurl tell a short read from a complete file.
    set(curl_easy_setopt(handle, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(size)));
    if (result == CURLE_OK) {
        result = Perform();
    }
    // The file is closed on return; the handle must not keep reading from it.
    CURLcode reset = curl_easy_setopt(handle, CURLOPT_READDATA, nullptr);
    if (reset == CURLE_OK) {
        reset = curl_easy_setopt(handle, CURLOPT_UPLOAD, 0L);
    }
    if (result == CURLE_OK) {
        result = reset;
    }
    return result == CURLE_OK || Fail(result);
}

bool FtpConnection::IsLoggedIn() {
    // Without the logged-in control connection, libcurl would log in again on a new one, in the
    // login directory, and a file meant for another folder would land there.
    curl_socket_t socket = CURL_SOCKET_BAD;
    if (m_handle && curl_easy_getinfo(m_handle.get(), CURLINFO_ACTIVESOCKET, &socket) == CURLE_OK &&
        socket != CURL_SOCKET_BAD) {
        return true;
    }
    m_lastError = m_handle ? "The connection to the server is lost." : "The connection is closed.";
    return false;
}

void FtpConnection::Close() {
    m_handle.reset();
    m_library.reset();
}

CURLcode FtpConnection::Perform() {
    // libcurl may leave a message in the buffer on success; only a failure's message counts.
    m_errorBuffer[0] = '\0';
    m_pendingReply.clear();
    m_lastReply.clear();
    return curl_easy_perform(m_handle.get());
}

std::string FtpConnection::Describe(CURLcode result) const {
    // While it opens an active-mode data connection, libcurl 7.88 records a harmless message of
    // its own, and a transfer keeps only the first message; the result code then tells more.
    const std::string_view recorded(m_errorBuffer);
    if (recorded.empty() || recorded.rfind(kActiveModeNotice, 0) == 0) {
        return curl_easy_strerror(result);
    }
    return std::string(recorded);
}

bool FtpConnection::Fail(CURLcode result) {
    m_lastError = Describe(result);
    if (!m_lastReply.empty()) {
        m_lastError += "\n" + m_lastReply;
    }
    return false;
}

std::size_t FtpConnection::OnReplyLine(char* data, std::size_t size, std::size_t count,
                                       void* connection) {
    static_cast<FtpConnection*>(connection)->NoteReplyLine(std::string_view(data, size * count));
    return size * count;
}

void FtpConnection::NoteReplyLine(std::string_view line) {
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
        line.remove_suffix(1);
    }
    // A reply is "ddd text", or "ddd-text" and more lines up to one with "ddd ". Anything else
    // outside such a reply is libcurl's own and not the server's.
    const bool coded = line.size() >= 3 && IsDigit(line[0]) && IsDigit(line[1]) && IsDigit(line[2]);
    const bool last = coded && (line.size() == 3 || line[3] == ' ');
    const bool first = coded && !last && line[3] == '-';
    if (last) {
        m_lastReply = m_pendingReply;
        m_lastReply += line;
        m_pendingReply.clear();
    } else if (first || !m_pendingReply.empty()) {
        m_pendingReply += line;
        m_pendingReply += '\n';
    }
}
