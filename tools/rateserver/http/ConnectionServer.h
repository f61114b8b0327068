#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QSocketNotifier>
#include <QTcpServer>
#include <QTimer>
#include <chrono>

class QTcpSocket;

// The listening socket of the rate server, and the connections it accepts: each is guarded against
// abusive requests (RequestGuard) and closed after kIdleTimeout of silence. At most maxConnections()
// are open at once, well under the process's descriptor limit: a new connection beyond that closes
// the connection that has been idle longest, or is refused when none is idle. When accepting fails
// anyway (out of descriptors), the server stops listening for a moment instead of spinning on a
// socket that stays readable, as QTcpServer 6.4 does: it accepts connections itself for that
// reason. It can adopt a listening socket inherited from a service manager.
class ConnectionServer final : public QTcpServer {
    Q_OBJECT
public:
    // QHttpServer 6.4 keeps every connection open until the client closes it; this bounds idle ones.
    static constexpr std::chrono::seconds kIdleTimeout{15};
    static constexpr std::chrono::milliseconds kAcceptPause{200};

    explicit ConnectionServer(QObject* parent = nullptr);

    // The limit from the descriptor limit (half of it, for the files, upstream downloads and the
    // kernel's own), or `limit` when given (tests).
    void setMaxConnections(int limit) { m_maxConnections = limit; }
    int maxConnections() const { return m_maxConnections; }
    int openConnections() const { return static_cast<int>(m_connections.size()); }

    // Adopts the first socket passed by systemd's socket activation (LISTEN_FDS / LISTEN_PID), and
    // clears those variables so that no child takes it too. False when none was passed.
    bool adoptInheritedSocket();

    // Once listening (or adopted): accept connections from here on.
    void startAccepting();

signals:
    // The number of open connections changed (for exiting when idle).
    void connectionCountChanged(int open);

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    void acceptPending();
    bool closeLongestIdle();
    void pauseAfterAcceptError(int error);

    // Two descriptors held back for the moment the process runs out: released when accepting
    // fails, they leave room to close idle connections, log and check memory (a sanitizer needs a
    // pipe for that) before anything else is attempted, and are taken again afterwards.
    class ReserveDescriptors final {
    public:
        ReserveDescriptors() { acquire(); }
        ~ReserveDescriptors() { release(); }
        Q_DISABLE_COPY_MOVE(ReserveDescriptors)
        void acquire();
        void release();

    private:
        int m_descriptors[2] = {-1, -1};
    };
    ReserveDescriptors m_reserve;
    QHash<QTcpSocket*, QElapsedTimer> m_connections; // each open one, quiet since its last byte either way
    int m_maxConnections;
    QSocketNotifier* m_notifier = nullptr;
    QTimer m_resume;
};
