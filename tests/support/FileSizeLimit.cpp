#include "FileSizeLimit.h"

FileSizeLimit::FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &m_previous);
    m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tight = m_previous;
    tight.rlim_cur = bytes;
    m_active = setrlimit(RLIMIT_FSIZE, &tight) == 0;
}

FileSizeLimit::~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &m_previous);
    std::signal(SIGXFSZ, m_previousHandler);
}
