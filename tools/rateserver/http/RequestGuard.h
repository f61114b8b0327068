#pragma once

#include <QByteArray>
#include <QObject>
#include <QTimer>
#include <chrono>

class QTcpSocket;

// Watches what a client sends on one connection before the HTTP server reads it, and closes the
// connection with a 4xx status when a request could only be abuse: a request line over 8 KiB, a
// head over 32 KiB, any body (the service has only GET), or a head still unfinished 10 s after its
// first byte. Created as the socket's child before the server connects to it, so it sees each byte
// first.
class RequestGuard final : public QObject {
    Q_OBJECT
public:
    static constexpr qsizetype kMaxRequestLine = 8 * 1024;
    static constexpr qsizetype kMaxHead = 32 * 1024;
    static constexpr std::chrono::seconds kHeadDeadline{10};

    explicit RequestGuard(QTcpSocket* socket, std::chrono::milliseconds headDeadline = kHeadDeadline);

    // Part of a request has come but not yet its end.
    bool midRequest() const { return !m_head.isEmpty(); }

private:
    void scan();
    bool endOfHead();
    void refuse(int status, const QByteArray& reason);

    QTcpSocket* m_socket;
    QByteArray m_head; // the head of the request being received, up to kMaxHead
    bool m_inRequestLine = true;
    QTimer m_deadline;
    bool m_refused = false;
};
