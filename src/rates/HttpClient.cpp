#include "HttpClient.h"

#include "HostAddresses.h"
#include "HttpResponseParser.h"

#include <QFuture>
#include <QPromise>
#include <QSocketNotifier>
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

// One TCP connection to a host, carrying the requests sent on it in order and reading their answers.
class HttpConnection final : public QObject {
public:
    HttpConnection(HttpClient& client, HttpHost& host) : QObject(&client), m_client(client), m_host(host) {}
    ~HttpConnection() override {
        for (HttpExchange* exchange : m_inFlight)
            exchange->m_connection = nullptr;
        closeSocket();
    }

    // Starts connecting; false when no address of the host could even be tried.
    bool open() { return connectNext(); }
    bool isIdle() const { return m_inFlight.empty(); }
    std::size_t load() const { return m_inFlight.size(); }
    bool canPipeline() const {
        return m_pipelines && m_state == State::Connected && m_inFlight.size() < HttpClient::kPipelineDepth;
    }

    void send(HttpExchange* exchange) {
        exchange->m_connection = this;
        m_inFlight.push_back(exchange);
        const QByteArray target =
            exchange->m_url.toEncoded(QUrl::RemoveScheme | QUrl::RemoveAuthority | QUrl::RemoveFragment);
        m_out += "GET " + (target.isEmpty() ? QByteArray("/") : target) +
                 " HTTP/1.1\r\nHost: " + m_host.hostHeader + "\r\nUser-Agent: Ratepad\r\nAccept: */*\r\n\r\n";
        m_requestEnds.push_back(m_outOffset + m_out.size());
        if (m_state == State::Connected)
            flush();
    }

    // The owner of an exchange on this connection let go of it: its answer can no longer be told
    // apart from the others', so the connection goes and the others are sent again elsewhere.
    void abandon(HttpExchange* exchange) {
        std::erase(m_inFlight, exchange);
        end(EndReason::Abandoned);
    }

private:
    enum class State { Connecting, Connected, Closed };
    enum class EndReason { Abandoned, Dropped, Failed };

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

    void writable() {
        if (m_state == State::Connecting) {
            int error = 0;
            socklen_t length = sizeof error;
            if (::getsockopt(m_fd, SOL_SOCKET, SO_ERROR, &error, &length) != 0 || error != 0) {
                if (connectNext())
                    return;
                failAll(HttpExchange::Failure::Connect);
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
                end(EndReason::Dropped); // the server went away; what it did not answer is sent again
                return;
            }
        }
        m_writeNotifier->setEnabled(m_written < m_out.size());
        while (!m_requestEnds.empty() && m_requestEnds.front() <= m_outOffset + m_written) {
            m_requestEnds.pop_front();
            ++m_requestsSent;
        }
        announceFront();
        if (m_written == m_out.size()) {
            m_outOffset += m_out.size();
            m_out.clear();
            m_written = 0;
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
        // Acknowledge at once: a server that sends pipelined answers in several pieces with Nagle's
        // algorithm on would otherwise wait for our delayed acknowledgement (40 ms) before each piece.
        const int one = 1;
        ::setsockopt(m_fd, IPPROTO_TCP, TCP_QUICKACK, &one, sizeof one);
        if (!parse())
            return;
        if (ended) {
            serverClosed();
            return;
        }
        m_client.dispatch(m_host);
    }

    // Hands every complete answer in the buffer to its exchange; false when the connection ended.
    bool parse() {
        while (!m_inFlight.empty()) {
            switch (m_parser.next(m_inFlight.front()->m_maxBodySize)) {
            case HttpResponseParser::Result::NeedMore:
            case HttpResponseParser::Result::Cut:
                return true;
            case HttpResponseParser::Result::Complete:
                if (!complete())
                    return false;
                break;
            case HttpResponseParser::Result::Malformed:
                return failCurrent(HttpExchange::Failure::Protocol);
            case HttpResponseParser::Result::TooLarge:
                return failCurrent(HttpExchange::Failure::TooLarge);
            }
        }
        if (m_parser.hasUnreadBytes()) {
            end(EndReason::Dropped); // bytes nobody asked for: this server cannot be followed
            return false;
        }
        return true;
    }

    // The answer at the front is whole; false when the connection ended with it.
    bool complete() {
        HttpExchange* exchange = takeFront();
        announceFront();
        HttpResponseParser::Response response = m_parser.takeResponse();
        m_pipelines = m_pipelines || (response.keepAlive && response.http11);
        m_client.madeProgress();
        m_client.responseComplete(exchange, response.status, std::move(response.body), response.location);
        if (!response.keepAlive) {
            end(EndReason::Dropped);
            return false;
        }
        return true;
    }

    // The server closed the connection, or it failed.
    void serverClosed() {
        if (!m_inFlight.empty()) {
            switch (m_parser.close(m_inFlight.front()->m_maxBodySize)) {
            case HttpResponseParser::Result::Complete: // the body ended with the connection
                complete();
                break;
            case HttpResponseParser::Result::NeedMore: // nothing of an answer came
                break;
            default:
                failCurrent(HttpExchange::Failure::Closed); // an answer cut short
                return;
            }
        }
        end(EndReason::Dropped);
    }

    // A request counts as sent once it is written whole and no earlier answer is owed on its
    // connection: only then is the server at work on it, so that the answers a slow server owes
    // ahead of it do not eat into its deadline.
    void announceFront() {
        if (m_inFlight.empty() || m_requestsSent == 0)
            return;
        HttpExchange* exchange = m_inFlight.front();
        if (!exchange->m_sent) {
            exchange->m_sent = true;
            emit exchange->sent();
        }
    }

    // The front exchange leaves the connection; its request may not even be written whole, should a
    // server answer early.
    HttpExchange* takeFront() {
        HttpExchange* exchange = m_inFlight.front();
        m_inFlight.pop_front();
        if (m_requestsSent > 0)
            --m_requestsSent;
        else if (!m_requestEnds.empty())
            m_requestEnds.pop_front();
        exchange->m_connection = nullptr;
        return exchange;
    }

    bool failCurrent(HttpExchange::Failure failure) {
        HttpExchange* exchange = takeFront();
        exchange->finish(failure);
        end(EndReason::Failed);
        return false;
    }

    void failAll(HttpExchange::Failure failure) {
        const std::deque<HttpExchange*> exchanges = std::exchange(m_inFlight, {});
        for (HttpExchange* exchange : exchanges) {
            exchange->m_connection = nullptr;
            exchange->finish(failure);
        }
        end(EndReason::Failed);
    }

    // Closes the connection; the requests still on it wait for another one. Those the server
    // dropped (closing without a word) count a retry: a server that never answers is not asked forever.
    void end(EndReason reason) {
        if (m_state == State::Closed)
            return;
        m_state = State::Closed;
        closeSocket();
        std::erase(m_host.connections, this);
        const std::deque<HttpExchange*> exchanges = std::exchange(m_inFlight, {});
        for (auto it = exchanges.rbegin(); it != exchanges.rend(); ++it) {
            HttpExchange* exchange = *it;
            exchange->m_connection = nullptr;
            if (reason == EndReason::Dropped && ++exchange->m_retries > HttpClient::kMaxRetries)
                exchange->finish(HttpExchange::Failure::Closed);
            else
                m_client.enqueue(exchange, true);
        }
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
    bool m_pipelines = false; // the server has shown it keeps HTTP/1.1 connections

    std::deque<HttpExchange*> m_inFlight; // in the order their requests went out
    std::size_t m_requestsSent = 0;       // of m_inFlight, those written whole
    QByteArray m_out;
    qsizetype m_written = 0;
    qint64 m_outOffset = 0; // bytes written before m_out
    std::deque<qint64> m_requestEnds;

    HttpResponseParser m_parser;
};

HttpExchange::HttpExchange(HttpClient& client, const QUrl& url, qsizetype maxBodySize)
    : m_client(&client), m_url(url), m_maxBodySize(maxBodySize) {}

HttpExchange::~HttpExchange() {
    if (m_client && !m_finished)
        m_client->abandon(this);
}

void HttpExchange::finish(Failure failure) {
    if (m_finished)
        return;
    m_finished = true;
    m_failure = failure;
    if (failure != Failure::None) {
        m_status = 0;
        m_body = QByteArray();
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
        // An idle connection first, then a new one, and only then one more request sent ahead.
        HttpConnection* chosen = nullptr;
        for (HttpConnection* connection : host.connections)
            if (connection->isIdle())
                chosen = connection;
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
        if (!chosen) {
            for (HttpConnection* connection : host.connections)
                if (connection->canPipeline() && (!chosen || connection->load() < chosen->load()))
                    chosen = connection;
        }
        if (!chosen)
            return; // every connection is busy: a finished answer dispatches again
        host.waiting.pop_front();
        chosen->send(exchange);
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
        connection->abandon(exchange);
    // One still waiting drops out of its queue by itself (a null QPointer).
}

void HttpClient::responseComplete(HttpExchange* exchange, int status, QByteArray body,
                                  const QByteArray& location) {
    if (!isRedirect(status) || location.isEmpty()) {
        exchange->m_status = status;
        exchange->m_body = std::move(body);
        exchange->finish(HttpExchange::Failure::None);
        return;
    }
    if (++exchange->m_redirects > kMaxRedirects) {
        exchange->finish(HttpExchange::Failure::Redirects);
        return;
    }
    const QUrl next = exchange->m_url.resolved(QUrl::fromEncoded(location));
    if (!isFetchable(next)) {
        exchange->finish(HttpExchange::Failure::Protocol);
        return;
    }
    exchange->m_url = next;
    exchange->m_retries = 0;
    enqueue(exchange);
}
