#pragma once

#include <optional>
#include <string>

// Where the FTP server setting points: "host", "host:port", "[ipv6]", "[ipv6]:port", or a bare
// IPv6 address; without a port, the standard FTP port.
class FtpAddress {
public:
    static constexpr int kStandardPort = 21;

    // nullopt when the text names no server: empty, a port that is not 1 to 65535, or a host
    // with characters that have no place in a host name or address (so nothing from the
    // setting can change the meaning of the address built from it).
    static std::optional<FtpAddress> Parse(const std::string& server);

    // The host as it goes into an address: IPv6 addresses in brackets.
    std::string UrlHost() const;

    std::string host; // without brackets
    int port = kStandardPort;
    bool ipv6 = false;
};
