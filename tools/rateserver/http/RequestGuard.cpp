#include "RequestGuard.h"

#include <QDebug>
#include <QTcpSocket>

RequestGuard::RequestGuard(QTcpSocket* socket, std::chrono::milliseconds headDeadline)
    : QObject(socket), m_socket(socket) {
    // The socket never holds more than this unread, whatever a client sends at once.
    socket->setReadBufferSize(64 * 1024);
    m_deadline.setSingleShot(true);
    m_deadline.setInterval(headDeadline);
    connect(&m_deadline, &QTimer::timeout, this, [this] { refuse(408, "Request Timeout"); });
    connect(socket, &QIODevice::readyRead, this, &RequestGuard::scan);
}

void RequestGuard::scan() {
    if (m_refused) {
        m_socket->readAll();
        return;
    }
    // The server reads everything available after this slot, so what is here now is new.
    const QByteArray fresh = m_socket->peek(m_socket->bytesAvailable());
    for (const char c : fresh) {
        if (m_head.isEmpty()) {
            if (c == '\r' || c == '\n')
                continue;       // blank lines between requests are allowed
            m_deadline.start(); // a head must be complete within the deadline from its first byte
        }
        m_head.append(c);
        if (m_inRequestLine) {
            if (c == '\n')
                m_inRequestLine = false;
            else if (m_head.size() > kMaxRequestLine)
                return refuse(414, "URI Too Long");
            continue;
        }
        if (m_head.size() > kMaxHead)
            return refuse(431, "Request Header Fields Too Large");
        if (c == '\n' && (m_head.endsWith("\n\n") || m_head.endsWith("\n\r\n")) && !endOfHead())
            return;
    }
}

bool RequestGuard::endOfHead() {
    m_deadline.stop();
    for (const QByteArray& line : m_head.split('\n')) {
        const qsizetype colon = line.indexOf(':');
        if (colon < 0)
            continue;
        const QByteArray name = line.left(colon).trimmed().toLower();
        const QByteArray value = line.mid(colon + 1).trimmed();
        if ((name == "content-length" && value != "0") || name == "transfer-encoding") {
            refuse(413, "Content Too Large");
            return false;
        }
    }
    m_head.clear();
    m_inRequestLine = true;
    return true;
}

void RequestGuard::refuse(int status, const QByteArray& reason) {
    m_refused = true;
    m_deadline.stop();
    m_head.clear();
    // Drop what was sent so that the server never parses it, answer, and close once written.
    m_socket->readAll();
    m_socket->write("HTTP/1.1 " + QByteArray::number(status) + ' ' + reason +
                    "\r\nContent-Type: text/plain; charset=utf-8\r\nContent-Length: " +
                    QByteArray::number(reason.size() + 1) + "\r\nConnection: close\r\n\r\n" + reason + '\n');
    m_socket->disconnectFromHost();
    qInfo().noquote() << "refused" << status << reason << "from" << m_socket->peerAddress().toString();
}
