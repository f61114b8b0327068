#include "Reachability.h"

#include <QUrl>
#include <cstring>
#include <future>
#include <memory>
#include <netdb.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

struct ResolvedAddress {
    sockaddr_storage address{};
    socklen_t length = 0;
};

std::vector<ResolvedAddress> resolve(const std::string& host) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* list = nullptr;
    std::vector<ResolvedAddress> result;
    if (::getaddrinfo(host.c_str(), "80", &hints, &list) != 0)
        return result;
    for (addrinfo* a = list; a; a = a->ai_next) {
        ResolvedAddress r;
        std::memcpy(&r.address, a->ai_addr, a->ai_addrlen);
        r.length = a->ai_addrlen;
        result.push_back(r);
    }
    ::freeaddrinfo(list);
    return result;
}

bool isLoopback(const sockaddr_storage& a) {
    if (a.ss_family == AF_INET) {
        const auto* in = reinterpret_cast<const sockaddr_in*>(&a);
        return (ntohl(in->sin_addr.s_addr) >> 24) == 127;
    }
    if (a.ss_family == AF_INET6) {
        const auto* in6 = reinterpret_cast<const sockaddr_in6*>(&a);
        return IN6_IS_ADDR_LOOPBACK(&in6->sin6_addr);
    }
    return false;
}

// Connecting a datagram socket only chooses a route: no packet leaves the machine.
bool hasRoute(const ResolvedAddress& a) {
    const int fd = ::socket(a.address.ss_family, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool ok = ::connect(fd, reinterpret_cast<const sockaddr*>(&a.address), a.length) == 0;
    ::close(fd);
    return ok;
}

} // namespace

std::optional<unsigned> Reachability::flagsForHost(const QString& host, std::chrono::milliseconds timeout) {
    QString name = host.trimmed();
    const QUrl url(QStringLiteral("http://") + name);
    if (url.isValid() && !url.host().isEmpty())
        name = url.host();
    if (name.isEmpty())
        return std::nullopt;

    // The lookup runs on a thread of its own so that the wait can be bounded; a lookup that is still
    // running when the time is up finishes on its own and its answer is dropped.
    auto promise = std::make_shared<std::promise<std::vector<ResolvedAddress>>>();
    std::future<std::vector<ResolvedAddress>> answer = promise->get_future();
    std::thread([promise, host = name.toStdString()] { promise->set_value(resolve(host)); }).detach();
    if (answer.wait_for(timeout) != std::future_status::ready)
        return std::nullopt;
    const std::vector<ResolvedAddress> addresses = answer.get();
    if (addresses.empty())
        return std::nullopt;

    unsigned flags = 0;
    for (const ResolvedAddress& a : addresses) {
        if (hasRoute(a)) {
            flags |= Reachable;
            if (isLoopback(a.address))
                flags |= IsLocalAddress;
            break;
        }
    }
    return flags;
}
