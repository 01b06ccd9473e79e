#pragma once

// The application: sets up the network library, runs the main window modally and ends the
// process when it is gone.
class CSitemapApp {
public:
    CSitemapApp() = default;
    CSitemapApp(const CSitemapApp&) = delete;
    CSitemapApp& operator=(const CSitemapApp&) = delete;

    // Returns the process's exit code: 0 after the main window ran, non-zero when start-up
    // failed (after telling the user).
    int InitInstance();
};
