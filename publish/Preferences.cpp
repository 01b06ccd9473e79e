#include "publish/Preferences.h"

#include "storage/KeyValueReader.h"
#include "storage/LocalFile.h"

bool Preferences::Read(std::string_view fileText) {
    bool toolTips = false;
    KeyValueReader::ForEachLine(fileText, [&](std::string_view key, std::string_view value) {
        if (key == "USERNAME") {
            username = value;
        } else if (key == "PASSWORD") {
            password = value;
        } else if (key == "FILENAME") {
            fileName = value;
        } else if (key == "SERVER") {
            server = value;
        } else if (key == "FOLDER") {
            folder = value;
        } else if (key == "TOOLTIPS") {
            toolTips = true;
        }
    });
    return toolTips;
}

std::string Preferences::FileText() const {
    // "CREATOR" names the writer for whoever opens the file; it is never read back.
    std::string text = "CREATOR=QUERNDALE 1.0";
    text += "\nUSERNAME=" + username;
    text += "\nPASSWORD=" + password;
    text += "\nFOLDER=" + folder;
    text += "\nFILENAME=" + fileName;
    text += "\nSERVER=" + server;
    text += "\n\n";
    return LocalFile::WithCrLf(text);
}
