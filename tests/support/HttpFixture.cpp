#include "HttpFixture.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTcpSocket>
#include <QThread>

HttpFixture::HttpFixture(Responder responder) : m_responder(std::move(responder)) {
    m_server.listen(QHostAddress::LocalHost, 0);
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = m_server.nextPendingConnection())
            serve(socket);
    });
}

QString HttpFixture::hostAndPort() const {
    return QStringLiteral("127.0.0.1:%1").arg(m_server.serverPort());
}

void HttpFixture::serve(QTcpSocket* socket) {
    socket->setParent(this);
    connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
        QByteArray buffer = socket->property("buffer").toByteArray() + socket->readAll();
        qsizetype end;
        while ((end = buffer.indexOf("\r\n\r\n")) >= 0) {
            const QByteArray head = buffer.left(end);
            buffer.remove(0, end + 4);
            const QList<QByteArray> requestLine = head.split('\r').first().split(' ');
            const QByteArray target = requestLine.value(1);
            m_targets.append(target);
            const QByteArray reply = m_responder(target);
            if (!reply.isEmpty())
                socket->write(reply);
            // A server that closes after its answer drops whatever else the client sent ahead.
            if (reply.left(reply.indexOf("\r\n\r\n")).contains("\r\nConnection: close")) {
                socket->disconnectFromHost();
                return;
            }
        }
        socket->setProperty("buffer", buffer);
    });
}

QByteArray HttpFixture::response(int status, const QByteArray& body, const QByteArray& extraHeaders) {
    return "HTTP/1.1 " + QByteArray::number(status) + " Status\r\nContent-Type: text/xml; charset=utf-8\r\n" +
           "Content-Length: " + QByteArray::number(body.size()) + "\r\n" + extraHeaders + "\r\n" + body;
}

QByteArray HttpFixture::doubleReply(const QByteArray& number, const QByteArray& namespaceHost) {
    return response(200, "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<double xmlns=\"http://" +
                             namespaceHost + "/webservices/CurrencyServer\">" + number + "</double>");
}

bool waitUntil(const std::function<bool()>& done, int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(1);
    }
    return true;
}
