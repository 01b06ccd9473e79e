#include "res/Resources.h"

std::string LoadResourceString(int id) {
    switch (id) {
    case IDS_ABOUTBOX:
        return "&About Querndale...";
    case IDP_SOCKETS_INIT_FAILED:
        return "Windows sockets initialization failed.";
    default:
        return {};
    }
}
