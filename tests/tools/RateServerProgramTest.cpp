// Starts the real ratepad-rate-server and talks HTTP to it on 127.0.0.1.
#include "ProgramProcess.h"
#include "RateReply.h"
#include "RateTable.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

constexpr int kTimeoutMs = 20000;
const QString kPath = QStringLiteral("/webservice/CurrencyServerWebService.asmx/getCurrencyValue");

bool waitUntil(const std::function<bool()>& done, int timeoutMs = kTimeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
    return done();
}

// A server whose log the tests read.
class RateServer final {
public:
    explicit RateServer(const QStringList& arguments = {})
        : m_server(QStringLiteral(RATEPAD_RATE_SERVER), arguments, RateServerProcess::Log::Keep) {}

    quint16 port() const { return m_server.port(); }
    const QString& startLine() const { return m_server.startLine(); }
    QProcess& process() { return m_server.process(); }
    QUrl url(const QString& pathAndQuery) const {
        return QUrl(QStringLiteral("http://%1%2").arg(m_server.hostAndPort(), pathAndQuery));
    }
    QUrl rateUrl(const QString& src, const QString& dst) const {
        return url(kPath + QStringLiteral("?provider=AVERAGE&srcCurrency=%1&dstCurrency=%2").arg(src, dst));
    }

private:
    RateServerProcess m_server;
};

struct Answer {
    int status = 0;
    QByteArray contentType;
    QByteArray body;
};

// Issues all requests at once and waits for every answer.
std::vector<Answer> fetch(const QList<QUrl>& urls) {
    QNetworkAccessManager manager;
    manager.setProxy(QNetworkProxy::NoProxy);
    manager.setTransferTimeout(kTimeoutMs);
    std::vector<Answer> answers(static_cast<std::size_t>(urls.size()));
    qsizetype pending = urls.size();
    for (qsizetype i = 0; i < urls.size(); ++i) {
        QNetworkReply* reply = manager.get(QNetworkRequest(urls[i]));
        QObject::connect(reply, &QNetworkReply::finished, [&, i, reply] {
            answers[static_cast<std::size_t>(i)] = {
                reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(),
                reply->header(QNetworkRequest::ContentTypeHeader).toByteArray(), reply->readAll()};
            reply->deleteLater();
            --pending;
        });
    }
    waitUntil([&] { return pending == 0; }, kTimeoutMs + 1000);
    return answers;
}

Answer fetch(const QUrl& url) {
    return fetch(QList<QUrl>{url}).front();
}

QByteArray expectedBody(const QString& src, const QString& dst, const QString& namespaceHost) {
    const std::optional<RateTable> shipped = RateTable::load(QStringLiteral(":/ExchangeRates.plist"));
    return RateReply::value(*shipped->convert(src, dst), namespaceHost).body;
}

TEST(RateServerProgramTest, servesShippedRates) {
    RateServer server;
    ASSERT_NE(server.port(), 0) << server.startLine().toStdString();
    const std::optional<RateTable> shipped = RateTable::load(QStringLiteral(":/ExchangeRates.plist"));
    EXPECT_TRUE(server.startLine().endsWith(QStringLiteral(" with %1 rates").arg(shipped->size())));

    const Answer pair = fetch(server.rateUrl(QStringLiteral("USD"), QStringLiteral("EUR")));
    EXPECT_EQ(pair.status, 200);
    EXPECT_EQ(pair.contentType, "text/xml; charset=utf-8");
    EXPECT_EQ(pair.body, expectedBody(QStringLiteral("USD"), QStringLiteral("EUR"), "rates.ratepad.example"));

    const Answer same = fetch(server.rateUrl(QStringLiteral("JPY"), QStringLiteral("JPY")));
    EXPECT_EQ(same.status, 200);
    EXPECT_TRUE(same.body.endsWith("/webservices/CurrencyServer\">1</double>")) << same.body.toStdString();
}

TEST(RateServerProgramTest, failuresArePlainText500_andLogged) {
    RateServer server;
    ASSERT_NE(server.port(), 0) << server.startLine().toStdString();
    const std::vector<Answer> answers = fetch({
        server.rateUrl(QStringLiteral("USD"), QStringLiteral("QQQ")),
        server.url(kPath + QStringLiteral("?provider=AVERAGE&srcCurrency=USD")),
        server.url(QStringLiteral("/nowhere?provider=AVERAGE&srcCurrency=USD&dstCurrency=EUR")),
    });
    for (const Answer& answer : answers) {
        EXPECT_EQ(answer.status, 500);
        EXPECT_TRUE(answer.contentType.startsWith("text/plain"));
        EXPECT_FALSE(answer.body.isEmpty());
        EXPECT_FALSE(answer.body.contains("<double")) << answer.body.toStdString();
    }

    QByteArray log;
    EXPECT_TRUE(waitUntil([&] {
        log += server.process().readAllStandardError();
        return log.contains("GET /nowhere?provider=AVERAGE&srcCurrency=USD&dstCurrency=EUR 500 ");
    })) << log.toStdString();
}

TEST(RateServerProgramTest, options_namespaceHostJsonRatesAndMaxAge) {
    QTemporaryDir dir;
    const auto ratesDated = [&](QDate date) {
        QFile json(dir.filePath(date.toString(Qt::ISODate) + QStringLiteral(".json")));
        EXPECT_TRUE(json.open(QIODevice::WriteOnly));
        json.write(R"({"date": ")" + date.toString(Qt::ISODate).toLatin1() +
                   R"(", "usd": {"usd": 1, "eur": 0.8, "jpy": 160.4}})");
        return json.fileName();
    };
    const QDate today = QDateTime::currentDateTimeUtc().date();
    RateServer server({"--namespace-host", "ns.test.example", "--rates", ratesDated(today)});
    ASSERT_NE(server.port(), 0) << server.startLine().toStdString();
    EXPECT_TRUE(server.startLine().endsWith(QStringLiteral(" with 3 rates")));
    EXPECT_EQ(fetch(server.rateUrl(QStringLiteral("EUR"), QStringLiteral("JPY"))).body,
              "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
              "<double xmlns=\"http://ns.test.example/webservices/CurrencyServer\">200.5</double>");

    // Rates five days old are past the default age: no number, and a time to come back.
    const QString old = ratesDated(today.addDays(-5));
    RateServer stale({"--rates", old});
    const Answer refused = fetch(stale.rateUrl(QStringLiteral("EUR"), QStringLiteral("JPY")));
    EXPECT_EQ(refused.status, 503);
    EXPECT_FALSE(refused.body.contains("<double"));
    RateServer older({"--rates", old, "--max-age", "5"});
    EXPECT_EQ(fetch(older.rateUrl(QStringLiteral("EUR"), QStringLiteral("JPY"))).status, 200);
}

// Without --rates the server starts from the shipped snapshot, whose date is long past: it answers
// no number until a source has been downloaded, rather than pass old rates off as new.
TEST(RateServerProgramTest, shippedSnapshot_isNotServedAsFresh) {
    QTemporaryDir cache;
    QProcess server;
    // No source answers: the server has only what it ships.
    server.start(QStringLiteral(RATEPAD_RATE_SERVER),
                 {"--port", "0", "--cache-dir", cache.path(), "--source", "ECB=https://127.0.0.1:1/",
                  "--source", "CURRENCYAPI=https://127.0.0.1:1/"});
    ASSERT_TRUE(server.waitForReadyRead(kTimeoutMs));
    const QString line = QString::fromUtf8(server.readLine());
    const quint16 port = QRegularExpression(QStringLiteral(":(\\d+)/")).match(line).captured(1).toUShort();
    ASSERT_NE(port, 0) << line.toStdString();
    const Answer answer =
        fetch(QUrl(QStringLiteral("http://127.0.0.1:%1%2?provider=AVERAGE&srcCurrency=USD&dstCurrency=EUR")
                       .arg(port)
                       .arg(kPath)));
    EXPECT_EQ(answer.status, 503);
    EXPECT_FALSE(answer.body.contains("<double"));
    server.kill();
    server.waitForFinished();
}

TEST(RateServerProgramTest, startFailures_exitWithStatus1) {
    QProcess missing;
    missing.start(QStringLiteral(RATEPAD_RATE_SERVER), {"--port", "0", "--rates", "/nonexistent/rates.json"});
    ASSERT_TRUE(missing.waitForFinished(kTimeoutMs));
    EXPECT_EQ(missing.exitCode(), 1);
    EXPECT_TRUE(missing.readAllStandardError().contains("/nonexistent/rates.json"));
    EXPECT_TRUE(missing.readAllStandardOutput().isEmpty());

    RateServer first;
    ASSERT_NE(first.port(), 0);
    QProcess second;
    second.start(QStringLiteral(RATEPAD_RATE_SERVER), {"--port", QString::number(first.port())});
    ASSERT_TRUE(second.waitForFinished(kTimeoutMs));
    EXPECT_EQ(second.exitCode(), 1);
    EXPECT_TRUE(second.readAllStandardError().contains("cannot listen"));
}

TEST(RateServerProgramTest, parallelRequests_allAnswered) {
    RateServer server;
    ASSERT_NE(server.port(), 0) << server.startLine().toStdString();
    const QStringList codes = {"USD", "EUR", "JPY", "GBP", "CHF"};
    QList<QUrl> urls;
    QList<QByteArray> expected;
    for (int i = 0; i < 100; ++i) {
        const QString& src = codes[i % codes.size()];
        const QString& dst = codes[(i / codes.size()) % codes.size()];
        urls.append(server.rateUrl(src, dst));
        expected.append(expectedBody(src, dst, "rates.ratepad.example"));
    }
    const std::vector<Answer> answers = fetch(urls);
    for (qsizetype i = 0; i < urls.size(); ++i)
        EXPECT_EQ(answers[static_cast<std::size_t>(i)].body, expected[i]) << urls[i].toString().toStdString();
}

// QNetworkAccessManager opens only six connections per host; raw sockets check that a burst of
// separate keep-alive connections, each with pipelined requests, is served in full.
TEST(RateServerProgramTest, manyKeepAliveConnections_pipelinedRequestsAllAnswered) {
    RateServer server;
    ASSERT_NE(server.port(), 0) << server.startLine().toStdString();
    const QByteArray request =
        "GET " + server.rateUrl("EUR", "USD").toString(QUrl::RemoveScheme | QUrl::RemoveAuthority).toUtf8() +
        " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";
    constexpr int kConnections = 200;
    std::vector<std::unique_ptr<QTcpSocket>> sockets;
    std::vector<QByteArray> received(kConnections);
    for (int i = 0; i < kConnections; ++i) {
        auto& socket = sockets.emplace_back(std::make_unique<QTcpSocket>());
        QObject::connect(socket.get(), &QTcpSocket::connected,
                         [s = socket.get(), &request] { s->write(request + request); });
        QObject::connect(socket.get(), &QTcpSocket::readyRead, [s = socket.get(), &received, i] {
            received[static_cast<std::size_t>(i)] += s->readAll();
        });
        socket->connectToHost(QHostAddress::LocalHost, server.port());
    }
    const auto answered = [&] {
        return std::all_of(received.begin(), received.end(),
                           [](const QByteArray& r) { return r.count("</double>") == 2; });
    };
    EXPECT_TRUE(waitUntil(answered));
    for (const auto& socket : sockets)
        EXPECT_EQ(socket->state(), QAbstractSocket::ConnectedState); // kept alive
}

// One raw connection to the server, collecting all it answers.
struct RawConnection {
    explicit RawConnection(quint16 port) {
        QObject::connect(&socket, &QTcpSocket::readyRead, [this] { received += socket.readAll(); });
        socket.connectToHost(QHostAddress::LocalHost, port);
    }
    QTcpSocket socket;
    QByteArray received;
};

// The 6.4 server would keep the connection open; a client asking to close may read to the end.
TEST(RateServerProgramTest, connectionClose_closesAfterTheAnswer) {
    RateServer server;
    ASSERT_NE(server.port(), 0) << server.startLine().toStdString();
    RawConnection connection(server.port());
    QTcpSocket& socket = connection.socket;
    const QByteArray& received = connection.received;
    socket.write("GET " + kPath.toUtf8() +
                 "?provider=AVERAGE&srcCurrency=EUR&dstCurrency=EUR HTTP/1.1\r\nConnection: close\r\n\r\n");
    EXPECT_TRUE(waitUntil([&] { return socket.state() == QAbstractSocket::UnconnectedState; }));
    EXPECT_TRUE(received.startsWith("HTTP/1.1 200 ")) << received.toStdString();
    EXPECT_TRUE(received.endsWith(">1</double>")) << received.toStdString();
}

// HEAD gets the head a GET would get, without a body, so that the next answer on the connection is
// read as what it is; other methods get 405 and what is allowed.
TEST(RateServerProgramTest, headAndOtherMethods_keepTheConnectionUsable) {
    RateServer server;
    ASSERT_NE(server.port(), 0) << server.startLine().toStdString();
    RawConnection connection(server.port());
    QTcpSocket& socket = connection.socket;
    const QByteArray& received = connection.received;
    const QByteArray target =
        kPath.toUtf8() + "?provider=AVERAGE&srcCurrency=EUR&dstCurrency=EUR HTTP/1.1\r\n\r\n";
    socket.write("HEAD " + target);
    ASSERT_TRUE(waitUntil([&] { return received.contains("\r\n\r\n"); }));
    socket.write("PUT " + target);
    ASSERT_TRUE(waitUntil([&] { return received.count("HTTP/1.1 ") == 2 && received.endsWith("GET."); }));
    socket.write("GET " + target);
    ASSERT_TRUE(waitUntil([&] { return received.endsWith("</double>"); })) << received.toStdString();
    EXPECT_TRUE(received.startsWith("HTTP/1.1 200 OK\r\n")) << received.toStdString();
    const QByteArray body =
        expectedBody(QStringLiteral("EUR"), QStringLiteral("EUR"), "rates.ratepad.example");
    EXPECT_TRUE(
        received.contains("Content-Length: " + QByteArray::number(body.size()) + "\r\n")); // the GET's
    EXPECT_EQ(received.count("<double"), 1);                                               // the GET's only
    EXPECT_TRUE(received.contains("HTTP/1.1 405 Method Not Allowed\r\n"));
    EXPECT_TRUE(received.contains("Allow: GET, HEAD\r\n"));
    EXPECT_EQ(received.count("X-Rate-Pair: EUR EUR\r\n"), 2);
    EXPECT_EQ(socket.state(), QAbstractSocket::ConnectedState);
}

// Started by systemd's socket activation, the server answers on the socket it inherits (and does not
// open its own port), then exits once idle; the socket stays with systemd for the next start.
TEST(RateServerProgramTest, socketActivation_servesTheInheritedSocketAndExitsWhenIdle) {
    quint16 port = 0;
    {
        QTcpServer probe; // a free port, handed to systemd-socket-activate
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost));
        port = probe.serverPort();
    }
    QTemporaryDir dir;
    const QString rates = dir.filePath(QStringLiteral("rates.plist"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(RATEPAD_SOURCE_DIR "/resources/ExchangeRates.plist"), rates));
    QProcess activator;
    activator.setProcessChannelMode(QProcess::MergedChannels);
    activator.start(QStringLiteral("systemd-socket-activate"),
                    {QStringLiteral("--listen=127.0.0.1:%1").arg(port), QStringLiteral(RATEPAD_RATE_SERVER),
                     "--rates", rates, "--max-age", "100000", "--port", "1", "--idle-exit", "2"});
    // systemd-socket-activate listens, and starts the server at the first connection, as systemd does.
    ASSERT_TRUE(waitUntil([&] { return activator.canReadLine(); }));
    EXPECT_TRUE(activator.readLine().startsWith("Listening on")); // the activator's own
    const Answer answer =
        fetch(QUrl(QStringLiteral("http://127.0.0.1:%1%2?provider=AVERAGE&srcCurrency=USD&dstCurrency=EUR")
                       .arg(port)
                       .arg(kPath)));
    EXPECT_EQ(answer.status, 200);
    EXPECT_TRUE(answer.body.contains("</double>"));
    EXPECT_TRUE(activator.readAll().contains(
        QStringLiteral("ratepad-rate-server listening on http://127.0.0.1:%1/").arg(port).toUtf8()));
    QElapsedTimer idle;
    idle.start();
    EXPECT_TRUE(activator.waitForFinished(kTimeoutMs));
    EXPECT_EQ(activator.exitCode(), 0);
    EXPECT_GE(idle.elapsed(), 1500);
}

// Under a low descriptor limit, idle connections beyond what the server can hold neither lock out
// new clients nor make it spin: with its own cap it closes the longest idle, and with a cap above
// the limit, accept fails and it pauses listening a moment instead.
TEST(RateServerProgramTest, outOfDescriptors_newClientsServedWithoutSpinning) {
    for (const char* cap : {"", "1000"}) {
        QStringList arguments = {"--nofile=64:64", QStringLiteral(RATEPAD_RATE_SERVER)};
        if (*cap)
            arguments << "--max-connections" << cap;
        RateServerProcess server(QStringLiteral("prlimit"), arguments);
        ASSERT_NE(server.port(), 0) << server.startLine().toStdString();
        std::vector<std::unique_ptr<QTcpSocket>> idle;
        for (int i = 0; i < 100; ++i) {
            idle.push_back(std::make_unique<QTcpSocket>());
            idle.back()->connectToHost(QHostAddress::LocalHost, server.port());
        }
        waitUntil(
            [&] {
                return std::all_of(idle.begin(), idle.end(), [](const auto& s) {
                    return s->state() == QAbstractSocket::ConnectedState;
                });
            },
            3000);
        const auto cpuTicks = [pid = server.process().processId()] {
            QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
            if (!stat.open(QIODevice::ReadOnly))
                return -1LL;
            const QList<QByteArray> fields = stat.readAll().split(' ');
            return fields.value(13).toLongLong() + fields.value(14).toLongLong(); // utime + stime
        };
        const long long before = cpuTicks();
        waitUntil([] { return false; }, 2000);
        EXPECT_LT(cpuTicks() - before, 50) << "cap " << cap; // under a quarter of the 2 s
        RawConnection client(server.port());
        const QByteArray& received = client.received;
        client.socket.write("GET " + kPath.toUtf8() +
                            "?provider=AVERAGE&srcCurrency=EUR&dstCurrency=USD HTTP/1.1\r\n\r\n");
        EXPECT_TRUE(waitUntil([&] { return received.endsWith("</double>"); }, 5000)) << "cap " << cap;
    }
}

} // namespace

namespace {

// Sends `request` on a fresh connection (then one more byte each second while `trickle`) and returns
// what the server answered by the time it closed the connection.
QByteArray answerBeforeClose(quint16 port, const QByteArray& request, bool trickle = false) {
    QTcpSocket socket;
    QByteArray received;
    QObject::connect(&socket, &QTcpSocket::readyRead, [&] { received += socket.readAll(); });
    QTimer drip;
    QObject::connect(&drip, &QTimer::timeout, [&] { socket.write("x"); });
    socket.connectToHost(QHostAddress::LocalHost, port);
    socket.write(request);
    if (trickle)
        drip.start(1000);
    waitUntil([&] { return socket.state() == QAbstractSocket::UnconnectedState; });
    return received;
}

TEST(RateServerProgramTest, oversizedBodiedAndEndlessRequests_refusedWith4xxAndClosed) {
    RateServer server;
    ASSERT_NE(server.port(), 0) << server.startLine().toStdString();
    const QByteArray get = "GET " + kPath.toUtf8() + "?provider=AVERAGE&srcCurrency=EUR&dstCurrency=EUR";
    const QList<std::pair<QByteArray, QByteArray>> cases = {
        {get + "&x=" + QByteArray(9 * 1024, 'a') + " HTTP/1.1\r\n\r\n", "HTTP/1.1 414 "},
        {get + " HTTP/1.1\r\nX-Filler: " + QByteArray(33 * 1024, 'a') + "\r\n\r\n", "HTTP/1.1 431 "},
        {get + " HTTP/1.1\r\nContent-Length: 10\r\n\r\n0123456789", "HTTP/1.1 413 "},
        {"POST " + kPath.toUtf8() + " HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nabcde\r\n0\r\n\r\n",
         "HTTP/1.1 413 "},
    };
    for (const auto& [request, status] : cases) {
        const QByteArray answer = answerBeforeClose(server.port(), request);
        EXPECT_TRUE(answer.startsWith(status)) << answer.left(80).toStdString();
        EXPECT_FALSE(answer.contains("</double>"));
    }
    // A head that never ends is cut off 10 s after its first byte, however steadily bytes come.
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(
        answerBeforeClose(server.port(), get + " HTTP/1.1\r\nX-Slow: ", true).startsWith("HTTP/1.1 408 "));
    EXPECT_LT(clock.elapsed(), 13000);
    // The server still answers well-formed requests afterwards.
    EXPECT_TRUE(answerBeforeClose(server.port(), get + " HTTP/1.1\r\nConnection: close\r\n\r\n")
                    .endsWith(">1</double>"));
}

} // namespace
