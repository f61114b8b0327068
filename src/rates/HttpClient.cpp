#include "HttpClient.h"

#include "HostAddresses.h"

#include <QFuture>
#include <QPromise>
#include <QSocketNotifier>
#include <QTimer>
#include <cerrno>
#include <deque>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

// Only plain HTTP to a named host can be fetched, whether asked for or redirected to.
bool isFetchable(const QUrl& url) {
    return url.isValid() && url.scheme() == u"http" && !url.host().isEmpty();
}

bool isRedirect(int status) {
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

} // namespace

// What the client knows of one host:port: its addresses, the requests waiting for one of its
// connections, and those connections.
struct HttpHost : std::enable_shared_from_this<HttpHost> {
    QString name;
    quint16 port = 80;
    QByteArray hostHeader;
    std::vector<SocketAddress> addresses;
    QElapsedTimer resolvedAt;
    bool resolving = false;
    std::deque<QPointer<HttpExchange>> waiting;
    std::vector<HttpConnection*> connections;

    // Names are looked up again now and then, so that a long-running app follows a moved server.
    static constexpr qint64 kAddressLifetimeMs = 60000;
    bool needsLookup() const {
        return addresses.empty() || (resolvedAt.isValid() && resolvedAt.elapsed() > kAddressLifetimeMs);
    }
};

// One TCP connection to a host, carrying one request at a time and reading its answer.
class HttpConnection final : public QObject {
public:
    HttpConnection(HttpClient& client, HttpHost& host) : QObject(&client), m_client(client), m_host(host) {
        m_idleTimer.setSingleShot(true);
        connect(&m_idleTimer, &QTimer::timeout, this, [this] { end(); });
    }
    ~HttpConnection() override {
        if (m_exchange)
            m_exchange->m_connection = nullptr;
        closeSocket();
    }

    // Starts connecting; false when no address of the host could even be tried.
    bool open() { return connectNext(); }
    bool isIdle() const { return !m_exchange && m_state != State::Closed; }

    // Puts the request on this idle connection; false when the connection turned out to be unusable
    // (it is then gone, and the exchange is left as it was).
    bool send(HttpExchange* exchange) {
        if (m_state == State::Connected && !isClean()) {
            end();
            return false;
        }
        m_idleTimer.stop();
        exchange->m_connection = this;
        m_exchange = exchange;
        const QByteArray target =
            exchange->m_url.toEncoded(QUrl::RemoveScheme | QUrl::RemoveAuthority | QUrl::RemoveFragment);
        m_out = "GET " + (target.isEmpty() ? QByteArray("/") : target) +
                " HTTP/1.1\r\nHost: " + m_host.hostHeader + "\r\nUser-Agent: Ratepad\r\nAccept: */*\r\n\r\n";
        m_written = 0;
        if (m_state == State::Connected)
            flush();
        return true;
    }

    void close() { end(); }

    // The owner of the exchange on this connection let go of it: its answer would come to nobody,
    // so the connection goes.
    void abandon() {
        takeExchange();
        end();
    }

private:
    enum class State { Connecting, Connected, Closed };

    bool connectNext() {
        closeSocket();
        while (m_nextAddress < m_host.addresses.size()) {
            const SocketAddress& a = m_host.addresses[m_nextAddress++];
            m_fd = ::socket(a.address.ss_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
            if (m_fd < 0)
                continue;
            const int one = 1;
            ::setsockopt(m_fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
            if (::connect(m_fd, reinterpret_cast<const sockaddr*>(&a.address), a.length) == 0 ||
                errno == EINPROGRESS) {
                m_state = State::Connecting;
                m_readNotifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
                m_writeNotifier = new QSocketNotifier(m_fd, QSocketNotifier::Write, this);
                m_readNotifier->setEnabled(false);
                connect(m_readNotifier, &QSocketNotifier::activated, this, &HttpConnection::readable);
                connect(m_writeNotifier, &QSocketNotifier::activated, this, &HttpConnection::writable);
                return true;
            }
            closeSocket();
        }
        return false;
    }

    // Notifiers go on the event loop: this may run inside one of their own signals.
    void closeSocket() {
        for (QSocketNotifier* notifier : {m_readNotifier, m_writeNotifier}) {
            if (notifier) {
                notifier->setEnabled(false);
                notifier->deleteLater();
            }
        }
        m_readNotifier = m_writeNotifier = nullptr;
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }

    // Nothing has arrived since the last answer, not even the server's close: only then may the next
    // request go out, or a late byte would be read as its answer.
    bool isClean() const {
        char byte;
        ssize_t n;
        do {
            n = ::recv(m_fd, &byte, 1, MSG_PEEK | MSG_DONTWAIT);
        } while (n < 0 && errno == EINTR);
        return n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
    }

    void writable() {
        if (m_state == State::Connecting) {
            int error = 0;
            socklen_t length = sizeof error;
            if (::getsockopt(m_fd, SOL_SOCKET, SO_ERROR, &error, &length) != 0 || error != 0) {
                if (connectNext())
                    return;
                failConnect();
                return;
            }
            m_state = State::Connected;
            m_client.madeProgress();
            m_readNotifier->setEnabled(true);
        }
        flush();
    }

    void flush() {
        while (m_written < m_out.size()) {
            const ssize_t n = ::send(m_fd, m_out.constData() + m_written,
                                     static_cast<size_t>(m_out.size() - m_written), MSG_NOSIGNAL);
            if (n > 0) {
                m_written += n;
            } else if (n < 0 && errno == EINTR) {
                continue;
            } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
                break;
            } else {
                dropped(); // the server went away
                return;
            }
        }
        m_writeNotifier->setEnabled(m_written < m_out.size());
        if (m_written == m_out.size() && !m_exchange->m_sent) {
            m_exchange->m_sent = true;
            emit m_exchange->sent();
        }
    }

    void readable() {
        // At most a few reads per wake-up, so that a fast sender cannot hold the event loop.
        constexpr qsizetype kPiece = 64 * 1024;
        bool ended = false;
        for (int i = 0; i < 4; ++i) {
            const ssize_t n = ::recv(m_fd, m_parser.reserve(kPiece), kPiece, 0);
            const int error = errno;
            m_parser.appended(n);
            if (n < 0 && error == EINTR)
                continue;
            if (n <= 0) {
                ended = n == 0 || (error != EAGAIN && error != EWOULDBLOCK);
                break;
            }
            if (n < kPiece)
                break;
        }
        // Acknowledge at once: a server that sends its answer in several pieces with Nagle's algorithm
        // on would otherwise wait for our delayed acknowledgement (40 ms) before each piece.
        const int one = 1;
        ::setsockopt(m_fd, IPPROTO_TCP, TCP_QUICKACK, &one, sizeof one);
        if (!m_exchange) {
            // Bytes or a close while nothing was asked: the connection cannot be trusted further.
            if (ended || m_parser.hasUnreadBytes())
                end();
            return;
        }
        switch (m_parser.next(m_exchange->m_maxBodySize)) {
        case HttpResponseParser::Result::NeedMore:
        case HttpResponseParser::Result::Cut:
            if (ended)
                serverClosed();
            return;
        case HttpResponseParser::Result::Complete:
            // A byte past the answer's end is a second answer nobody asked for, or the rest of this
            // one under a wrong length: either way this answer cannot be trusted.
            if (m_parser.hasUnreadBytes()) {
                fail(HttpExchange::Failure::Protocol);
                return;
            }
            complete(ended);
            return;
        case HttpResponseParser::Result::Malformed:
            fail(HttpExchange::Failure::Protocol);
            return;
        case HttpResponseParser::Result::TooLarge:
            fail(HttpExchange::Failure::TooLarge);
            return;
        }
    }

    // The answer is whole. The connection carries the next request only if the server keeps it, has
    // not closed it and has read the whole of this one.
    void complete(bool ended) {
        HttpExchange* exchange = takeExchange();
        HttpResponseParser::Response response = m_parser.takeResponse();
        const bool reusable = response.keepAlive && !ended && m_written == m_out.size();
        ++m_carried;
        m_client.madeProgress();
        if (!reusable)
            end();
        m_client.responseComplete(exchange, std::move(response));
        if (reusable) {
            m_idleTimer.start(m_client.m_idleTimeout);
            m_client.dispatch(m_host);
        }
    }

    // The server closed the connection with the exchange on it.
    void serverClosed() {
        switch (m_parser.close(m_exchange->m_maxBodySize)) {
        case HttpResponseParser::Result::Complete: // the body ended with the connection
            complete(true);
            return;
        case HttpResponseParser::Result::NeedMore: // nothing of an answer came
            dropped();
            return;
        default:
            fail(HttpExchange::Failure::Closed); // an answer cut short
            return;
        }
    }

    // The connection ended before any byte of the answer. On a connection that had carried answers
    // before, the server most likely closed it before reading the request: it goes again on a new
    // connection without charge. On a new connection the server took the request and gave up on it:
    // that is charged, so that a server that never answers is not asked forever.
    void dropped() {
        HttpExchange* exchange = takeExchange();
        end();
        if (m_carried > 0) {
            exchange->m_needsFreshConnection = true;
        } else if (++exchange->m_retries > HttpClient::kMaxRetries) {
            exchange->finish(HttpExchange::Failure::Closed);
            return;
        }
        m_client.enqueue(exchange, true);
    }

    HttpExchange* takeExchange() {
        HttpExchange* exchange = std::exchange(m_exchange, nullptr);
        exchange->m_connection = nullptr;
        return exchange;
    }

    void fail(HttpExchange::Failure failure) {
        HttpExchange* exchange = takeExchange();
        end();
        exchange->finish(failure);
    }

    // No address of the host took the connection.
    void failConnect() {
        HttpExchange* exchange = m_exchange ? takeExchange() : nullptr;
        end();
        if (!exchange)
            return;
        exchange->finish(HttpExchange::Failure::Connect);
    }

    // Closes the connection for good; an exchange still on it waits for another one.
    void end() {
        if (m_state == State::Closed)
            return;
        m_state = State::Closed;
        m_idleTimer.stop();
        closeSocket();
        std::erase(m_host.connections, this);
        if (m_exchange)
            m_client.enqueue(takeExchange(), true);
        m_client.scheduleDispatch();
        deleteLater();
    }

    HttpClient& m_client;
    HttpHost& m_host;
    State m_state = State::Connecting;
    std::size_t m_nextAddress = 0;
    int m_fd = -1;
    QSocketNotifier* m_readNotifier = nullptr;
    QSocketNotifier* m_writeNotifier = nullptr;
    QTimer m_idleTimer;
    int m_carried = 0; // answers completed on this connection

    HttpExchange* m_exchange = nullptr; // the one whose request is on this connection
    QByteArray m_out;
    qsizetype m_written = 0;

    HttpResponseParser m_parser;
};

HttpExchange::HttpExchange(HttpClient& client, const QUrl& url, qsizetype maxBodySize)
    : m_client(&client), m_url(url), m_maxBodySize(maxBodySize) {}

HttpExchange::~HttpExchange() {
    if (m_client && !m_finished)
        m_client->abandon(this);
}

std::optional<QByteArray> HttpExchange::header(QByteArrayView name) const {
    return HttpResponseParser::headerValue(m_headers, name);
}

void HttpExchange::finish(Failure failure) {
    if (m_finished)
        return;
    m_finished = true;
    m_failure = failure;
    if (failure != Failure::None) {
        m_status = 0;
        m_body = QByteArray();
        m_headers.clear();
    }
    QMetaObject::invokeMethod(
        this, [this] { emit finished(); }, Qt::QueuedConnection);
}

void HttpExchangeDeleter::operator()(HttpExchange* exchange) const {
    exchange->deleteLater();
}

HttpClient::HttpClient(QObject* parent) : QObject(parent) {
    m_lastProgress.start();
}

HttpClient::~HttpClient() {
    for (const auto& host : std::as_const(m_hosts)) {
        const std::vector<HttpConnection*> connections = std::exchange(host->connections, {});
        for (HttpConnection* connection : connections)
            delete connection;
    }
}

HttpExchangePtr HttpClient::get(const QUrl& url, qsizetype maxBodySize) {
    if (!isFetchable(url))
        return nullptr;
    HttpExchangePtr exchange(new HttpExchange(*this, url, maxBodySize));
    enqueue(exchange.get());
    return exchange;
}

void HttpClient::enqueue(HttpExchange* exchange, bool atFront) {
    const QUrl& url = exchange->m_url;
    const auto port = static_cast<quint16>(url.port(80));
    const QString key = url.host() + u':' + QString::number(port);
    if (!m_hosts.contains(key) && m_hosts.size() >= kMaxHosts) {
        // Redirects to ever new hosts must not grow the table, nor start a name lookup each: hosts
        // with nothing going on are forgotten, and past the limit a new one is refused.
        m_hosts.removeIf([](const auto& entry) {
            const HttpHost& h = *entry.value();
            return h.connections.empty() && h.waiting.empty() && !h.resolving;
        });
        if (m_hosts.size() >= kMaxHosts) {
            exchange->finish(HttpExchange::Failure::Protocol);
            return;
        }
    }
    std::shared_ptr<HttpHost>& host = m_hosts[key];
    if (!host) {
        host = std::make_shared<HttpHost>();
        host->name = url.host();
        host->port = port;
        const QByteArray name = url.host(QUrl::FullyEncoded).toLatin1();
        host->hostHeader = (host->name.contains(u':') ? '[' + name + ']' : name) +
                           (port == 80 ? QByteArray() : ':' + QByteArray::number(port));
        if (const auto address = numericHostAddress(host->name.toStdString(), port))
            host->addresses.push_back(*address); // never looked up, so never stale
    }
    if (atFront)
        host->waiting.emplace_front(exchange);
    else
        host->waiting.emplace_back(exchange);
    scheduleDispatch();
}

void HttpClient::scheduleDispatch() {
    if (m_dispatchScheduled)
        return;
    m_dispatchScheduled = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_dispatchScheduled = false;
            dispatch();
        },
        Qt::QueuedConnection);
}

void HttpClient::dispatch() {
    for (const auto& host : std::as_const(m_hosts))
        dispatch(*host);
}

void HttpClient::dispatch(HttpHost& host) {
    while (!host.waiting.empty() && !host.waiting.front())
        host.waiting.pop_front();
    if (host.waiting.empty() || host.resolving)
        return;
    if (host.connections.empty() && host.needsLookup()) {
        resolve(host.shared_from_this());
        return;
    }
    while (!host.waiting.empty()) {
        HttpExchange* exchange = host.waiting.front();
        if (!exchange) {
            host.waiting.pop_front();
            continue;
        }
        // An idle connection first, then a new one. One that needs a new connection may close an
        // idle one to make room for it.
        HttpConnection* idle = nullptr;
        for (HttpConnection* connection : host.connections)
            if (connection->isIdle())
                idle = connection;
        HttpConnection* chosen = exchange->m_needsFreshConnection ? nullptr : idle;
        if (!chosen && idle && host.connections.size() >= std::size_t(kConnectionsPerHost))
            idle->close(); // leaves host.connections at once
        if (!chosen && host.connections.size() < std::size_t(kConnectionsPerHost)) {
            auto* connection = new HttpConnection(*this, host);
            if (!connection->open()) {
                delete connection;
                host.waiting.pop_front();
                exchange->finish(HttpExchange::Failure::Connect);
                continue;
            }
            host.connections.push_back(connection);
            chosen = connection;
        }
        if (!chosen)
            return; // every connection is busy: a finished answer dispatches again
        // Off the queue before sending: a send that fails at once puts it back itself. The flag is
        // spent once a connection is chosen (only a new one for an exchange that needs it); a send
        // that fails can only be on an idle one, for an exchange that did not need a new one.
        host.waiting.pop_front();
        exchange->m_needsFreshConnection = false;
        if (!chosen->send(exchange))
            host.waiting.emplace_front(exchange); // the idle connection had gone bad and is closed
    }
}

void HttpClient::resolve(const std::shared_ptr<HttpHost>& host) {
    host->resolving = true;
    QPromise<std::vector<SocketAddress>> promise;
    QFuture<std::vector<SocketAddress>> future = promise.future();
    // A lookup can take long; it runs on a thread of its own and its answer is dropped should the
    // client be gone by then.
    std::thread([promise = std::move(promise), name = host->name.toStdString(), port = host->port]() mutable {
        promise.start();
        promise.addResult(resolveHostAddresses(name, port, SOCK_STREAM));
        promise.finish();
    }).detach();
    future.then(this, [this, weak = std::weak_ptr<HttpHost>(host)](const std::vector<SocketAddress>& found) {
        const std::shared_ptr<HttpHost> h = weak.lock();
        if (!h)
            return;
        h->resolving = false;
        h->addresses = found;
        h->resolvedAt.start();
        hostResolved(*h);
    });
}

void HttpClient::hostResolved(HttpHost& host) {
    if (host.addresses.empty()) {
        const std::deque<QPointer<HttpExchange>> waiting = std::exchange(host.waiting, {});
        for (const QPointer<HttpExchange>& exchange : waiting)
            if (exchange)
                exchange->finish(HttpExchange::Failure::Connect);
        return;
    }
    dispatch(host);
}

void HttpClient::abandon(HttpExchange* exchange) {
    if (HttpConnection* connection = exchange->m_connection)
        connection->abandon();
    // One still waiting drops out of its queue by itself (a null QPointer).
}

void HttpClient::responseComplete(HttpExchange* exchange, HttpResponseParser::Response response) {
    if (!isRedirect(response.status) || response.location.isEmpty()) {
        exchange->m_status = response.status;
        exchange->m_body = std::move(response.body);
        exchange->m_headers = std::move(response.headers);
        exchange->finish(HttpExchange::Failure::None);
        return;
    }
    if (++exchange->m_redirects > kMaxRedirects) {
        exchange->finish(HttpExchange::Failure::Redirects);
        return;
    }
    const QUrl next = exchange->m_url.resolved(QUrl::fromEncoded(response.location));
    if (!isFetchable(next)) {
        exchange->finish(HttpExchange::Failure::Protocol);
        return;
    }
    exchange->m_url = next;
    exchange->m_retries = 0;
    enqueue(exchange);
}
