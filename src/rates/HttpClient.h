#pragma once

#include "HttpResponseParser.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QUrl>
#include <chrono>
#include <memory>
#include <optional>
#include <utility>

class HttpClient;
class HttpConnection;
struct HttpHost;

// One GET through an HttpClient. Reports `sent` once its request has gone out whole (only the first
// time, should it go out again), then `finished` exactly once, always on a later pass of the event loop
// than the call that started it. Deleting it abandons the request.
class HttpExchange final : public QObject {
    Q_OBJECT
public:
    enum class Failure {
        None,      // a complete response: status() and body() hold it
        Connect,   // the host did not resolve or refused every connection
        Closed,    // the connection ended before the response was complete
        Protocol,  // not an HTTP/1.x response, or a redirect that cannot be followed
        TooLarge,  // the body is larger than the exchange accepts
        Redirects, // too many redirects
    };

    ~HttpExchange() override;

    bool isFinished() const { return m_finished; }
    Failure failure() const { return m_failure; }
    // Of the last response, once finished without failure; a redirect's body is not kept.
    int status() const { return m_status; }
    const QByteArray& body() const { return m_body; }
    // A header of the last response (repeated ones joined by ", "), once finished without failure.
    std::optional<QByteArray> header(QByteArrayView name) const;

signals:
    void sent();
    void finished();

private:
    friend class HttpClient;
    friend class HttpConnection;
    HttpExchange(HttpClient& client, const QUrl& url, qsizetype maxBodySize);
    void finish(Failure failure);

    QPointer<HttpClient> m_client;
    QUrl m_url;
    qsizetype m_maxBodySize;
    HttpConnection* m_connection = nullptr; // while its request is on a connection
    int m_redirects = 0;
    int m_retries = 0;
    // Dropped unanswered by a connection that had carried earlier exchanges: the server may have
    // closed it before reading this request, so it goes again, uncharged, but only on a new connection.
    bool m_needsFreshConnection = false;
    bool m_sent = false;
    bool m_finished = false;
    Failure m_failure = Failure::None;
    int m_status = 0;
    QByteArray m_body;
    HttpResponseParser::Headers m_headers;
};

// Deletes on the event loop, so that an owner may let go of an exchange from inside its signals.
struct HttpExchangeDeleter {
    void operator()(HttpExchange* exchange) const;
};
using HttpExchangePtr = std::unique_ptr<HttpExchange, HttpExchangeDeleter>;

// A small HTTP/1.1 client for plain-text services asked many short questions at once: at most
// kConnectionsPerHost kept-alive connections per host, each carrying one request at a time. Answers
// are matched to requests by order alone, so nothing is pipelined, and a connection that shows a byte
// nobody asked for (on an idle connection, or past the end of a response) is closed at once: a
// stray or extra answer is never taken for the next request's. Requests that a closing server never
// read are sent again. Reading is buffered (a response costs a read or two, not a read per header
// byte), and a body is read only up to the size its exchange accepts.
class HttpClient final : public QObject {
    Q_OBJECT
public:
    static constexpr int kConnectionsPerHost = 6;
    static constexpr int kMaxRedirects = 20;
    // Hosts known at once: the rate server, and a few that redirects may name.
    static constexpr qsizetype kMaxHosts = 16;
    // How often a request is sent again after a server took it and closed without a whole answer.
    static constexpr int kMaxRetries = 2;
    // Idle kept-alive connections close after this long: shorter than common server time-outs, so
    // that a request rarely meets a connection the server is closing.
    static constexpr std::chrono::milliseconds kDefaultIdleTimeout{30000};

    explicit HttpClient(QObject* parent = nullptr);
    ~HttpClient() override;
    Q_DISABLE_COPY_MOVE(HttpClient)

    // A GET of `url` (http only; null for any other or an invalid one), whose body may be at most
    // `maxBodySize` bytes. Requests go out on the next pass of the event loop, all together.
    HttpExchangePtr get(const QUrl& url, qsizetype maxBodySize);

    std::chrono::milliseconds idleTimeout() const { return m_idleTimeout; }
    // For connections that go idle from now on.
    void setIdleTimeout(std::chrono::milliseconds timeout) { m_idleTimeout = timeout; }

    // Since a response last completed or a connection last opened: requests still waiting for a
    // connection measure their patience against this.
    std::chrono::milliseconds sinceLastProgress() const {
        return std::chrono::milliseconds(m_lastProgress.elapsed());
    }

private:
    friend class HttpExchange;
    friend class HttpConnection;
    void enqueue(HttpExchange* exchange, bool atFront = false);
    void scheduleDispatch();
    void dispatch();
    void dispatch(HttpHost& host);
    void resolve(const std::shared_ptr<HttpHost>& host);
    void hostResolved(HttpHost& host);
    void abandon(HttpExchange* exchange);
    void responseComplete(HttpExchange* exchange, HttpResponseParser::Response response);
    void madeProgress() { m_lastProgress.restart(); }

    QHash<QString, std::shared_ptr<HttpHost>> m_hosts; // by "host:port"
    QElapsedTimer m_lastProgress;
    std::chrono::milliseconds m_idleTimeout = kDefaultIdleTimeout;
    bool m_dispatchScheduled = false;
};
