#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QTcpServer>
#include <chrono>
#include <functional>

class QTcpSocket;

// A tiny HTTP server on 127.0.0.1 whose answers the test writes byte for byte, so that it can also
// answer badly: error pages, broken bodies, redirects, slow, huge or cut-short replies, or nothing.
class HttpFixture final : public QObject {
    Q_OBJECT
public:
    // How one request is answered: `head` (`delay` after the request came or after the previous
    // answer on its connection, whichever is later), then `fillerSize` copies of `filler` written only
    // as fast as the client reads them, then `tail` (one byte per `byteInterval` when that is set);
    // the connection closes afterwards when `close` is set, or only its sending half when `halfClose`
    // is; with a `laterDelay`, `later` and the close follow that long after the rest. Nothing at all
    // leaves the connection open and silent.
    struct Answer {
        QByteArray head = {};
        std::chrono::milliseconds delay{0};
        std::chrono::milliseconds byteInterval{0};
        qint64 fillerSize = 0;
        char filler = ' ';
        QByteArray tail = {};
        bool close = false;
        bool halfClose = false;
        QByteArray later = {};
        std::chrono::milliseconds laterDelay{0};
    };
    // Gets the request target (path and query) and returns the raw response. An answer whose head
    // says "Connection: close" closes the connection after it, dropping any requests sent ahead on it.
    using Responder = std::function<QByteArray(const QByteArray& target)>;
    using AnswerResponder = std::function<Answer(const QByteArray& target)>;

    explicit HttpFixture(Responder responder);
    explicit HttpFixture(AnswerResponder responder);

    QString hostAndPort() const;
    QList<QByteArray> targets() const { return m_targets; }
    void clearTargets() { m_targets.clear(); }
    // Filler bytes written so far over every connection.
    qint64 fillerWritten() const { return m_fillerWritten; }
    int connectionsOpen() const;
    // While a responder runs: how many answers its connection gave before.
    int answeredOnConnection() const { return m_answeredOnConnection; }

    // Misbehaviours of the whole server. Requests on one connection are held until `newestFirstBatch`
    // of them came (or 50 ms passed) and then answered newest first. Connection number i (from 0)
    // closes after closeAfter[i % size] answers, saying so with "Connection: close" in the last.
    int newestFirstBatch = 0;
    QList<int> closeAfter;

    static QByteArray response(int status, const QByteArray& body, const QByteArray& extraHeaders = {});
    static QByteArray doubleReply(const QByteArray& number, const QByteArray& namespaceHost = "rates.test",
                                  const QByteArray& extraHeaders = {});
    static QByteArray openTag(const QByteArray& namespaceHost = "rates.test");

private:
    void serve(QTcpSocket* socket);
    void answer(QTcpSocket* socket, const QByteArray& target);
    void write(QTcpSocket* socket, const Answer& answer);

    QTcpServer m_server;
    QElapsedTimer m_clock;
    AnswerResponder m_responder;
    QList<QByteArray> m_targets;
    qint64 m_fillerWritten = 0;
    int m_connections = 0;
    int m_answeredOnConnection = 0;
};

// Runs the event loop until `done` holds or `timeoutMs` passes; returns whether it holds.
bool waitUntil(const std::function<bool()>& done, int timeoutMs = 5000);
