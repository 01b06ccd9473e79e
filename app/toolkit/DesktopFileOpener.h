#pragma once

#include "app/toolkit/FileOpener.h"

// Hands a local file or an address to the desktop, which starts the default application.
class DesktopFileOpener final : public FileOpener {
public:
    void Open(const std::string& target) override;
};
