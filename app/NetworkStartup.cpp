#include "app/NetworkStartup.h"

#include <utility>

#include <curl/curl.h>

namespace {
std::function<bool()> g_testInitialiser;
bool g_initialised = false;
} // namespace

bool NetworkStartup::Initialise() {
    if (g_testInitialiser) {
        return g_testInitialiser();
    }
    g_initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    return g_initialised;
}

void NetworkStartup::Cleanup() {
    if (g_initialised) {
        curl_global_cleanup();
        g_initialised = false;
    }
}

void NetworkStartup::SetInitialiserForTesting(std::function<bool()> initialiser) {
    g_testInitialiser = std::move(initialiser);
}
