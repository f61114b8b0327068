#include "ConnectionServer.h"

#include "RequestGuard.h"

#include <QLoggingCategory>
#include <QTcpSocket>
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

Q_LOGGING_CATEGORY(lcConnections, "ratepad.rateserver.connections")

namespace {

int limitFromDescriptors() {
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
        return 4096;
    return static_cast<int>(std::clamp<rlim_t>(limit.rlim_cur / 2, 8, 4096));
}

} // namespace

ConnectionServer::ConnectionServer(QObject* parent)
    : QTcpServer(parent), m_maxConnections(limitFromDescriptors()) {
    m_resume.setSingleShot(true);
    m_resume.setInterval(kAcceptPause);
    connect(&m_resume, &QTimer::timeout, this, [this] { m_notifier->setEnabled(true); });
}

void ConnectionServer::startAccepting() {
    // QTcpServer's own notifier stays off: it would retry a failing accept at once, for ever.
    pauseAccepting();
    m_notifier = new QSocketNotifier(socketDescriptor(), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &ConnectionServer::acceptPending);
}

void ConnectionServer::acceptPending() {
    // Bounded, so that a flood of connections cannot starve the ones already open.
    for (int i = 0; i < 64; ++i) {
        const int descriptor =
            accept4(static_cast<int>(socketDescriptor()), nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (descriptor >= 0) {
            incomingConnection(descriptor);
            continue;
        }
        if (errno == EINTR || errno == ECONNABORTED)
            continue;
        if (errno == EMFILE || errno == ENFILE || errno == ENOBUFS || errno == ENOMEM) {
            const int error = errno;
            m_reserve.release();
            pauseAfterAcceptError(error);
            m_reserve.acquire();
        }
        break; // EAGAIN: nothing more waits
    }
}

void ConnectionServer::ReserveDescriptors::acquire() {
    for (int& descriptor : m_descriptors) {
        if (descriptor < 0)
            descriptor = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    }
}

void ConnectionServer::ReserveDescriptors::release() {
    for (int& descriptor : m_descriptors) {
        if (descriptor >= 0)
            ::close(descriptor);
        descriptor = -1;
    }
}

bool ConnectionServer::adoptInheritedSocket() {
    // sd_listen_fds(3): the descriptors start at 3 and are meant for this very process.
    const QByteArray pid = qgetenv("LISTEN_PID");
    const int count = qEnvironmentVariableIntValue("LISTEN_FDS");
    if (pid.isEmpty() || pid.toLongLong() != static_cast<qint64>(getpid()) || count < 1)
        return false;
    qunsetenv("LISTEN_PID");
    qunsetenv("LISTEN_FDS");
    qunsetenv("LISTEN_FDNAMES");
    return setSocketDescriptor(3);
}

void ConnectionServer::incomingConnection(qintptr descriptor) {
    if (openConnections() >= m_maxConnections && !closeLongestIdle()) {
        // Every connection is busy: refuse this one rather than run out of descriptors.
        ::close(static_cast<int>(descriptor));
        qCInfo(lcConnections) << "refused a connection: all" << m_maxConnections << "are busy";
        return;
    }
    auto* socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(descriptor)) {
        delete socket;
        return;
    }
    // Answers are small and may follow each other on one connection: Nagle's algorithm would hold
    // back an answer until the client acknowledges the previous one, which it may delay by 40 ms.
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    m_connections[socket].start();
    auto* idle = new QTimer(socket);
    idle->setSingleShot(true);
    idle->setInterval(kIdleTimeout);
    const auto active = [this, socket, idle] {
        idle->start();
        m_connections[socket].restart();
    };
    connect(socket, &QIODevice::readyRead, idle, active);
    connect(socket, &QIODevice::bytesWritten, idle, active);
    connect(idle, &QTimer::timeout, socket, &QAbstractSocket::disconnectFromHost);
    connect(socket, &QAbstractSocket::disconnected, this, [this, socket] {
        if (m_connections.remove(socket))
            emit connectionCountChanged(openConnections());
        socket->deleteLater();
    });
    idle->start();
    new RequestGuard(socket); // before the HTTP server connects, so that it sees each byte first
    addPendingConnection(socket);
    emit newConnection();
    emit connectionCountChanged(openConnections());
}

bool ConnectionServer::closeLongestIdle() {
    QTcpSocket* longest = nullptr;
    qint64 longestQuiet = -1;
    for (auto it = m_connections.begin(); it != m_connections.end(); ++it) {
        QTcpSocket* socket = it.key();
        const auto* guard = socket->findChild<RequestGuard*>();
        const bool idle =
            socket->bytesToWrite() == 0 && socket->bytesAvailable() == 0 && !(guard && guard->midRequest());
        if (idle && it->elapsed() > longestQuiet) {
            longest = socket;
            longestQuiet = it->elapsed();
        }
    }
    if (!longest)
        return false;
    m_connections.remove(longest);
    longest->abort(); // frees the descriptor now; an idle keep-alive connection owes nothing
    longest->deleteLater();
    return true;
}

void ConnectionServer::pauseAfterAcceptError(int error) {
    m_notifier->setEnabled(false);
    // The limit was set too high for what the process may open: hold fewer from now on, so that the
    // next connections replace idle ones instead of failing again. Descriptors are freed before
    // anything else is done, since logging, the cache and the downloads need some too.
    m_maxConnections = std::max(8, openConnections() * 3 / 4);
    while (openConnections() >= m_maxConnections && closeLongestIdle()) {
    }
    m_resume.start();
    qCWarning(lcConnections).noquote()
        << QStringLiteral("cannot accept a connection (%1); pausing for %2 ms, "
                          "holding at most %3 connections from now on")
               .arg(QString::fromLocal8Bit(std::strerror(error)))
               .arg(kAcceptPause.count())
               .arg(m_maxConnections);
}
