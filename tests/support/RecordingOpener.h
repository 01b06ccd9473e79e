#pragma once

#include <string>
#include <vector>

#include "app/toolkit/FileOpener.h"

// Records what the program asks the desktop to open.
class RecordingOpener final : public FileOpener {
public:
    RecordingOpener() { Install(this); }
    ~RecordingOpener() override { Install(nullptr); }

    void Open(const std::string& target) override { opened.push_back(target); }

    std::vector<std::string> opened;
};
