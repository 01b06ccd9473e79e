#pragma once

#include <csignal>

#include <sys/resource.h>

// A disk that fills up, for as long as this lives: no file of the process may grow past `bytes`,
// and a write past it fails (EFBIG) instead of killing the process with SIGXFSZ. Everything is
// restored afterwards.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    // Whether the limit took hold.
    bool Active() const { return m_active; }

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int) = SIG_DFL;
    bool m_active = false;
};
