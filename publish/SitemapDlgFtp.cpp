#include "app/CSitemapDlg.h"

#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

#include "publish/FtpConnection.h"
#include "publish/FtpSession.h"

namespace {

constexpr const char* kSessionAgent = "Querndale FTP Session";

// Only a file with something in it is worth sending; "." and ".." name folders, not files.
bool IsSendable(const std::string& fileName) {
    std::error_code error;
    return std::filesystem::is_regular_file(fileName, error) &&
           std::filesystem::file_size(fileName, error) > 0 && !error;
}

} // namespace

void CSitemapDlg::OnButtonFtp() {
    UpdateData(true);
    UploadSitemap();
    UpdateData(false);
}

// A failure to reach the server or to log in is raised out of here and reported by the window;
// nothing in the command changes the working directory, so the local file name means the same
// file throughout and there is nothing to set back.
void CSitemapDlg::UploadSitemap() {
    UpdateData(true);
    FtpSession session(kSessionAgent);
    if (m_strServer.empty() || m_strUsername.empty() || m_strPassword.empty()) {
        MessageBox("You need to specify a server name in the Preferences section.", "Error");
        return;
    }

    std::unique_ptr<FtpConnection> connection =
        session.GetFtpConnection(m_strServer, m_strUsername, m_strPassword);
    if (!connection) {
        MessageBox("Error Connecting to FTP Server", "Error");
    } else {
        const std::string upload = "Upload of: " + m_strFileName;
        // A folder the server refuses sends nothing: the file must not land in another folder.
        const bool sent = IsSendable(m_strFileName) &&
                          (m_strFolder.empty() || connection->SetCurrentDirectory(m_strFolder)) &&
                          connection->PutFile(m_strFileName, m_strFileName);
        if (sent) {
            MessageBox(upload + "\r\nSucceeded", "FTP Success");
        } else {
            MessageBox(upload + "\r\nFailed", "FTP Error");
        }
    }

    connection.reset();
    session.Close();
    UpdateData(false);
}
