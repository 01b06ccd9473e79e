#include "publish/FtpAddress.h"

#include <algorithm>
#include <string_view>

namespace {

bool IsDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}

bool IsHexDigit(unsigned char c) {
    return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Letters, digits, '-', '.', '_', and the bytes of international names, which libcurl converts.
bool IsNameChar(unsigned char c) {
    return IsDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '-' || c == '.' ||
           c == '_' || c >= 0x80;
}

bool IsAddressChar(unsigned char c) {
    return IsHexDigit(c) || c == ':' || c == '.';
}

std::optional<int> ParsePort(std::string_view text) {
    if (text.empty() || text.size() > 5 || !std::all_of(text.begin(), text.end(), IsDigit)) {
        return std::nullopt;
    }
    int port = 0;
    for (const char c : text) {
        port = port * 10 + (c - '0');
    }
    if (port < 1 || port > 65535) {
        return std::nullopt;
    }
    return port;
}

} // namespace

std::optional<FtpAddress> FtpAddress::Parse(const std::string& server) {
    FtpAddress address;
    std::string_view portText;
    bool hasPort = false;
    if (!server.empty() && server.front() == '[') {
        const std::size_t close = server.find(']');
        if (close == std::string::npos) {
            return std::nullopt;
        }
        address.host = server.substr(1, close - 1);
        address.ipv6 = true;
        const std::string_view rest = std::string_view(server).substr(close + 1);
        if (!rest.empty()) {
            if (rest.front() != ':') {
                return std::nullopt;
            }
            portText = rest.substr(1);
            hasPort = true;
        }
    } else {
        const auto colons = std::count(server.begin(), server.end(), ':');
        if (colons > 1) {
            // Only an IPv6 address has several colons; its port needs the bracketed form.
            address.host = server;
            address.ipv6 = true;
        } else if (colons == 1) {
            const std::size_t colon = server.find(':');
            address.host = server.substr(0, colon);
            portText = std::string_view(server).substr(colon + 1);
            hasPort = true;
        } else {
            address.host = server;
        }
    }
    if (hasPort) {
        const std::optional<int> port = ParsePort(portText);
        if (!port) {
            return std::nullopt;
        }
        address.port = *port;
    }

    const auto& host = address.host;
    if (host.empty()) {
        return std::nullopt;
    }
    const bool valid = address.ipv6 ? std::all_of(host.begin(), host.end(), IsAddressChar) &&
                                          host.find(':') != std::string::npos
                                    : std::all_of(host.begin(), host.end(), IsNameChar);
    if (!valid) {
        return std::nullopt;
    }
    return address;
}

std::string FtpAddress::UrlHost() const {
    return ipv6 ? "[" + host + "]" : host;
}
