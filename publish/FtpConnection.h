#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include <curl/curl.h>

class FtpAddress;

// One logged-in FTP control connection, made by FtpSession. Its steps report success or failure
// and never raise; every step runs on that one connection, so once the server or a failure has
// ended it, every later step fails. Closing it (or destroying it) logs out.
class FtpConnection {
public:
    ~FtpConnection();
    FtpConnection(const FtpConnection&) = delete;
    FtpConnection& operator=(const FtpConnection&) = delete;

    // Makes `directory` (relative to the current one, or absolute) the current remote
    // directory; false when the server refuses it or the connection fails.
    bool SetCurrentDirectory(const std::string& directory);

    // Sends the local file `localFile` in binary, stored as `remoteFile` relative to the current
    // remote directory; true only when every byte arrived and the server confirmed it.
    bool PutFile(const std::string& localFile, const std::string& remoteFile);

    void Close();

    // False for a text with a line break or NUL, which would end the FTP command carrying it and
    // start another.
    static bool FitsInCommand(const std::string& text);

    // libcurl's description of the last failed step, with the server's last reply if any.
    const std::string& LastError() const { return m_lastError; }

private:
    friend class FtpSession;

    struct EasyDeleter {
        void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
    };
    struct ListDeleter {
        void operator()(curl_slist* list) const { curl_slist_free_all(list); }
    };

    FtpConnection(std::shared_ptr<void> library, CURL* handle);

    // Sets the handle up for `address` and logs in; raises FtpException on failure.
    void LogIn(const FtpAddress& address, const std::string& username, const std::string& password,
               const std::string& agent, long connectSeconds, long replySeconds,
               long stalledSeconds);
    // True while the control connection that logged in is still open; else sets m_lastError.
    bool IsLoggedIn();
    CURLcode Perform();
    std::string Describe(CURLcode result) const;
    bool Fail(CURLcode result);

    static std::size_t OnReplyLine(char* data, std::size_t size, std::size_t count,
                                   void* connection);
    void NoteReplyLine(std::string_view line);

    std::shared_ptr<void> m_library;
    std::unique_ptr<CURL, EasyDeleter> m_handle;
    std::string m_baseUrl;
    char m_errorBuffer[CURL_ERROR_SIZE] = {};
    std::string m_pendingReply;
    std::string m_lastReply;
    std::string m_lastError;
};
