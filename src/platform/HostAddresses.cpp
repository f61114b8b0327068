#include "HostAddresses.h"

#include <arpa/inet.h>
#include <cstring>
#include <netdb.h>
#include <netinet/in.h>

std::vector<SocketAddress> resolveHostAddresses(const std::string& host, quint16 port, int socketType) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = socketType;
    addrinfo* list = nullptr;
    std::vector<SocketAddress> result;
    if (::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &list) != 0)
        return result;
    for (addrinfo* a = list; a; a = a->ai_next) {
        SocketAddress r;
        std::memcpy(&r.address, a->ai_addr, a->ai_addrlen);
        r.length = a->ai_addrlen;
        result.push_back(r);
    }
    ::freeaddrinfo(list);
    return result;
}

std::optional<SocketAddress> numericHostAddress(const std::string& host, quint16 port) {
    SocketAddress a;
    auto* in = reinterpret_cast<sockaddr_in*>(&a.address);
    if (::inet_pton(AF_INET, host.c_str(), &in->sin_addr) == 1) {
        in->sin_family = AF_INET;
        in->sin_port = htons(port);
        a.length = sizeof(sockaddr_in);
        return a;
    }
    auto* in6 = reinterpret_cast<sockaddr_in6*>(&a.address);
    if (::inet_pton(AF_INET6, host.c_str(), &in6->sin6_addr) == 1) {
        in6->sin6_family = AF_INET6;
        in6->sin6_port = htons(port);
        a.length = sizeof(sockaddr_in6);
        return a;
    }
    return std::nullopt;
}
