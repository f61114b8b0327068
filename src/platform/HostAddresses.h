#pragma once

#include <QtGlobal>
#include <optional>
#include <string>
#include <sys/socket.h>
#include <vector>

// One address of a host, ready for connect().
struct SocketAddress {
    sockaddr_storage address{};
    socklen_t length = 0;
};

// The addresses `host` resolves to for `port` and sockets of `socketType` (SOCK_STREAM, SOCK_DGRAM),
// in the resolver's order; none when it does not resolve. Blocks for as long as the resolver takes.
std::vector<SocketAddress> resolveHostAddresses(const std::string& host, quint16 port, int socketType);

// The address of a numeric IPv4 or IPv6 host, which needs no resolver.
std::optional<SocketAddress> numericHostAddress(const std::string& host, quint16 port);
