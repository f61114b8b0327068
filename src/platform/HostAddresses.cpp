#include "HostAddresses.h"

#include <cstring>
#include <netdb.h>

namespace {

std::vector<SocketAddress> addressesOf(const std::string& host, quint16 port, int socketType, int flags) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = socketType;
    hints.ai_flags = flags;
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

} // namespace

std::vector<SocketAddress> resolveHostAddresses(const std::string& host, quint16 port, int socketType) {
    return addressesOf(host, port, socketType, 0);
}

std::optional<SocketAddress> numericHostAddress(const std::string& host, quint16 port) {
    // A numeric host is only parsed: the resolver is not asked.
    const std::vector<SocketAddress> found = addressesOf(host, port, SOCK_STREAM, AI_NUMERICHOST);
    if (found.empty())
        return std::nullopt;
    return found.front();
}
