#pragma once

#include <functional>

// The network library's process-wide set-up, done once before the main window opens.
class NetworkStartup {
public:
    // True when the network library is ready for use.
    static bool Initialise();
    static void Cleanup();
    // Replaces the real set-up (nullptr-like empty function restores it).
    static void SetInitialiserForTesting(std::function<bool()> initialiser);
};
