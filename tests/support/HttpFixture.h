#pragma once

#include <QByteArray>
#include <QList>
#include <QTcpServer>
#include <functional>

// A tiny HTTP server on 127.0.0.1 whose answers the test writes byte for byte, so that it can also
// answer badly: error pages, broken bodies, redirects, or nothing at all.
class HttpFixture final : public QObject {
    Q_OBJECT
public:
    // Gets the request target (path and query) and returns the raw response; an empty response
    // leaves the connection open and silent, and one with "Connection: close" closes it after the
    // answer, dropping any requests sent ahead on it.
    using Responder = std::function<QByteArray(const QByteArray& target)>;

    explicit HttpFixture(Responder responder);

    QString hostAndPort() const;
    QList<QByteArray> targets() const { return m_targets; }
    void clearTargets() { m_targets.clear(); }

    static QByteArray response(int status, const QByteArray& body, const QByteArray& extraHeaders = {});
    static QByteArray doubleReply(const QByteArray& number, const QByteArray& namespaceHost = "rates.test");

private:
    void serve(QTcpSocket* socket);

    QTcpServer m_server;
    Responder m_responder;
    QList<QByteArray> m_targets;
};

// Runs the event loop until `done` holds or `timeoutMs` passes; returns whether it holds.
bool waitUntil(const std::function<bool()>& done, int timeoutMs = 5000);
