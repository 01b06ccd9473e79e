#pragma once

#include <string>

// Opens a file or a web page in the desktop's default application. The system only asks: it
// neither waits for the application nor looks at the outcome.
class FileOpener {
public:
    virtual ~FileOpener() = default;
    virtual void Open(const std::string& target) = 0;

    static FileOpener& Current();
    // Installs `opener` (not owned); nullptr goes back to the desktop's.
    static void Install(FileOpener* opener);
};
