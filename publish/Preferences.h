#pragma once

#include <string>
#include <string_view>

// The five FTP settings and their file "xml.ini". Each setting holds exactly what was typed or
// read, unchecked; the password is kept in plain text, as the file has always kept it.
class Preferences {
public:
    static constexpr const char* kFileName = "xml.ini";

    std::string username;
    std::string password;
    std::string folder;
    std::string fileName;
    std::string server;

    // Reads the lines of a preferences file over these settings: each recognised key sets its
    // setting (a later line wins over an earlier one; a bare key empties it), any other line is
    // ignored, a setting without a line keeps its value. Returns true when a "TOOLTIPS" line asks
    // for tooltips; that key is never written back.
    [[nodiscard]] bool Read(std::string_view fileText);

    // The whole file as stored: seven CR LF lines, the last one empty.
    std::string FileText() const;

    bool operator==(const Preferences&) const = default;
};
