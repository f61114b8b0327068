#include "Reachability.h"

#include "HostAddresses.h"

#include <QUrl>
#include <future>
#include <memory>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

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
bool hasRoute(const SocketAddress& a) {
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
    auto promise = std::make_shared<std::promise<std::vector<SocketAddress>>>();
    std::future<std::vector<SocketAddress>> answer = promise->get_future();
    std::thread([promise, host = name.toStdString()] {
        promise->set_value(resolveHostAddresses(host, 80, SOCK_DGRAM));
    }).detach();
    if (answer.wait_for(timeout) != std::future_status::ready)
        return std::nullopt;
    const std::vector<SocketAddress> addresses = answer.get();
    if (addresses.empty())
        return std::nullopt;

    unsigned flags = 0;
    for (const SocketAddress& a : addresses) {
        if (hasRoute(a)) {
            flags |= Reachable;
            if (isLoopback(a.address))
                flags |= IsLocalAddress;
            break;
        }
    }
    return flags;
}
