#include "HttpFront.h"

#include "ConnectionServer.h"

#include <QElapsedTimer>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QLoggingCategory>
#include <QMetaEnum>
#include <QTcpSocket>

Q_LOGGING_CATEGORY(lcAccess, "ratepad.rateserver.access", QtInfoMsg)

namespace {

QByteArray methodName(QHttpServerRequest::Method method) {
    const char* key = QMetaEnum::fromType<QHttpServerRequest::Method>().valueToKey(static_cast<int>(method));
    return key ? QByteArray(key).toUpper() : QByteArrayLiteral("UNKNOWN");
}

QByteArray reasonPhrase(int status) {
    switch (status) {
    case 200:
        return QByteArrayLiteral("OK");
    case 304:
        return QByteArrayLiteral("Not Modified");
    case 400:
        return QByteArrayLiteral("Bad Request");
    case 405:
        return QByteArrayLiteral("Method Not Allowed");
    case 500:
        return QByteArrayLiteral("Internal Server Error");
    case 503:
        return QByteArrayLiteral("Service Unavailable");
    default:
        return QByteArrayLiteral("Unknown");
    }
}

} // namespace

HttpFront::HttpFront(const RateRequestHandler& handler, ConnectionServer* listener, QObject* parent)
    : QObject(parent), m_handler(handler) {
    // No routes: every request lands here, so that one place decides what is served and logs it.
    m_server.setMissingHandler([this](const QHttpServerRequest& request, QHttpServerResponder&& responder) {
        QElapsedTimer timer;
        timer.start();
        const QByteArray method = methodName(request.method());
        // QHttpServer 6.4 ignores "Connection: close"; a client that asks for it may read to the end.
        const bool close = request.value(QByteArrayLiteral("Connection")).trimmed().toLower() == "close";
        QTcpSocket* socket = responder.socket();
        const QDateTime now = QDateTime::currentDateTimeUtc();
        const RateReply reply =
            m_handler.answer(method, request.url(), now, request.value(QByteArrayLiteral("If-None-Match")));
        socket->write(serialized(reply, now, method == "HEAD", close));
        if (close)
            socket->disconnectFromHost();
        const int status = reply.status;
        const auto line = [&] {
            return QStringLiteral("%1 %2 %3 %4 ms")
                .arg(QString::fromLatin1(method),
                     request.url().toString(QUrl::RemoveScheme | QUrl::RemoveAuthority | QUrl::FullyEncoded))
                .arg(status)
                .arg(timer.nsecsElapsed() / 1e6, 0, 'f', 3);
        };
        if (status >= 400)
            qCInfo(lcAccess).noquote() << line();
        else
            qCDebug(lcAccess).noquote() << line();
    });
    m_server.bind(listener); // takes ownership
}

QByteArray HttpFront::serialized(const RateReply& reply, const QDateTime& now, bool head, bool close) {
    QByteArray out;
    out.reserve(512 + reply.body.size());
    out += "HTTP/1.1 " + QByteArray::number(reply.status) + ' ' + reasonPhrase(reply.status) + "\r\n";
    out += dateHeader(now);
    if (reply.status != 304) {
        out += "Content-Type: " + reply.contentType + "\r\n";
        // A HEAD answer says how long the body of a GET would be.
        out += "Content-Length: " + QByteArray::number(reply.body.size()) + "\r\n";
    }
    for (const auto& [name, value] : reply.headers)
        out += name + ": " + value + "\r\n";
    if (close)
        out += "Connection: close\r\n";
    out += "\r\n";
    if (!head)
        out += reply.body;
    return out;
}

QByteArray HttpFront::dateHeader(const QDateTime& now) {
    const qint64 second = now.toSecsSinceEpoch();
    if (second != m_dateSecond) {
        m_dateSecond = second;
        m_date = "Date: " + RateRequestHandler::httpDate(now) + "\r\n";
    }
    return m_date;
}
