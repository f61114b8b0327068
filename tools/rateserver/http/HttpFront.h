#pragma once

#include "RateRequestHandler.h"

#include <QByteArray>
#include <QHttpServer>
#include <QObject>

class ConnectionServer;
class QHttpServerRequest;
class QHttpServerResponder;

// Puts the rate service on HTTP: every request goes to the handler, and its reply is written in
// one piece with a Date header, its own headers and, except for HEAD and 304, its body. Answers
// that could be cached carry no per-connection state, so any HTTP cache in front may share them.
// Failures are logged, one line each; successful answers only at debug level
// (QT_LOGGING_RULES="ratepad.rateserver.access.debug=true"), since a busy server would flood the
// log with them.
class HttpFront final : public QObject {
    Q_OBJECT
public:
    // Takes ownership of `listener`, which must already listen.
    HttpFront(const RateRequestHandler& handler, ConnectionServer* listener, QObject* parent = nullptr);

private:
    // The whole response as written on the wire; without the body for HEAD.
    QByteArray serialized(const RateReply& reply, const QDateTime& now, bool head, bool close);
    QByteArray dateHeader(const QDateTime& now);

    const RateRequestHandler& m_handler;
    QHttpServer m_server;
    qint64 m_dateSecond = -1;
    QByteArray m_date;
};
