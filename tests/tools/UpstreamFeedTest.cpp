// The upstream feed against HTTPS stand-ins for the sources on 127.0.0.1, with a certificate made for
// the run and trusted through the feed's extra CA.
#include "UpstreamFeed.h"

#include "Downloader.h"
#include "LogCapture.h"
#include "ProgramProcess.h"
#include "UpstreamFixtures.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QProcess>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

using Outcome = UpstreamFeed::Outcome;
const QDateTime kNow(QDate(2026, 12, 8), QTime(12, 0), Qt::UTC);
const QDate kEcbDay(2026, 12, 7), kApiDay(2026, 12, 8);

bool waitUntil(const std::function<bool()>& done) {
    const QDeadlineTimer deadline(20000);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
    return done();
}

// Answers each request by its path with a fixed answer, once, then closes; 304 when the request's
// If-None-Match matches the answer's ETag; never when its status is negative. Unknown paths get 404.
class HttpsStandIn final : public QObject {
public:
    struct Answer {
        int status = 200;
        QByteArray body;
        QList<std::pair<QByteArray, QByteArray>> headers;
    };

    HttpsStandIn(const QString& certificate, const QString& key) {
        QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
        QFile certFile(certificate), keyFile(key);
        certFile.open(QIODevice::ReadOnly);
        keyFile.open(QIODevice::ReadOnly);
        tls.setLocalCertificate(QSslCertificate(&certFile));
        tls.setPrivateKey(QSslKey(&keyFile, QSsl::Ec));
        m_server.setSslConfiguration(tls);
        m_server.listen(QHostAddress::LocalHost, 0);
        connect(&m_server, &QTcpServer::pendingConnectionAvailable, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection())
                serve(socket);
        });
    }
    QUrl url(const QString& path) const {
        return QUrl(QStringLiteral("https://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path));
    }
    void set(const QByteArray& path, Answer answer) { m_answers.insert(path, std::move(answer)); }
    // Each request's target and lower-case headers.
    const QList<QHash<QByteArray, QByteArray>>& requests() const { return m_requests; }

private:
    void serve(QTcpSocket* socket) {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
            if (!socket->property("head").toByteArray().isEmpty())
                return;
            const QByteArray head = socket->peek(64 * 1024);
            if (!head.contains("\r\n\r\n"))
                return;
            socket->setProperty("head", head);
            const QList<QByteArray> lines = head.left(head.indexOf("\r\n\r\n")).split('\n');
            QHash<QByteArray, QByteArray> request{{"target", lines.value(0).split(' ').value(1)}};
            for (const QByteArray& line : lines.mid(1))
                request.insert(line.left(line.indexOf(':')).trimmed().toLower(),
                               line.mid(line.indexOf(':') + 1).trimmed());
            m_requests << request;
            Answer answer = m_answers.value(request.value("target"), Answer{404, "not here", {}});
            for (const auto& [name, value] : answer.headers) {
                if (name == "ETag" && value == request.value("if-none-match"))
                    answer = Answer{304, {}, answer.headers};
            }
            if (answer.status < 0)
                return; // a server that takes the request and never answers
            QByteArray reply =
                "HTTP/1.1 " + QByteArray::number(answer.status) + " X\r\nConnection: close\r\n";
            for (const auto& [name, value] : answer.headers)
                reply += name + ": " + value + "\r\n";
            if (answer.status != 304 && !reply.contains("Content-Length"))
                reply += "Content-Length: " + QByteArray::number(answer.body.size()) + "\r\n";
            socket->write(reply + "\r\n" + answer.body);
            socket->disconnectFromHost();
        });
    }

    QSslServer m_server;
    QHash<QByteArray, Answer> m_answers;
    QList<QHash<QByteArray, QByteArray>> m_requests;
};

class UpstreamFeedTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
        s_tls = new QTemporaryDir;
        QProcess openssl;
        openssl.start(QStringLiteral("openssl"),
                      {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes",
                       "-days", "2", "-subj", "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1",
                       "-keyout", s_tls->filePath("key.pem"), "-out", s_tls->filePath("cert.pem")});
        ASSERT_TRUE(openssl.waitForFinished(20000)) << "openssl is needed for the HTTPS stand-ins";
        ASSERT_EQ(openssl.exitCode(), 0) << openssl.readAllStandardError().toStdString();
    }
    static void TearDownTestSuite() { delete s_tls; }

    void SetUp() override {
        server = std::make_unique<HttpsStandIn>(s_tls->filePath("cert.pem"), s_tls->filePath("key.pem"));
        server->set("/ecb.xml", {200,
                                 fixtures::ecbDay(kEcbDay),
                                 {{"ETag", "\"ecb1\""}, {"Last-Modified", "Mon, 07 Dec 2026 15:00:00 GMT"}}});
        server->set("/cdn/eur.json", {200, fixtures::currencyApiDay(kApiDay), {{"ETag", "\"api1\""}}});
    }

    void startFeed(QHash<QString, QList<QUrl>> urls = {}) {
        urls.insert("ECB", urls.value("ECB", {server->url("/ecb.xml")}));
        urls.insert("CURRENCYAPI", urls.value("CURRENCYAPI", {server->url("/cdn/eur.json")}));
        finished.clear();
        changed.clear();
        feed = std::make_unique<UpstreamFeed>(
            UpstreamFeed::Options{cache.path(), urls, s_tls->filePath("cert.pem"), [this] { return clock; }});
        QObject::connect(feed.get(), &UpstreamFeed::snapshotChanged,
                         [this](const RateSnapshot& s) { changed << s; });
        QObject::connect(feed.get(), &UpstreamFeed::downloadFinished,
                         [this](const QString& source, Outcome outcome, const QString& detail) {
                             finished[source] = {outcome, detail};
                             ++downloads;
                         });
        QString error;
        ASSERT_TRUE(feed->start(&error)) << error.toStdString();
    }
    void waitForDownloads(int count) {
        ASSERT_TRUE(waitUntil([&] { return downloads >= count; })) << downloads;
    }
    QByteArray cacheFile(const QString& source) const {
        QFile file(cache.filePath(source.toLower() + ".json"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static QUrl closedPort() {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        return QUrl(QStringLiteral("https://127.0.0.1:%1/eur.json").arg(probe.serverPort()));
    }

    static inline QTemporaryDir* s_tls = nullptr;
    const LogCapture log;
    QTemporaryDir cache;
    std::unique_ptr<HttpsStandIn> server;
    std::unique_ptr<UpstreamFeed> feed;
    QHash<QString, std::pair<Outcome, QString>> finished;
    QList<RateSnapshot> changed;
    int downloads = 0;
    QDateTime clock = kNow;
};

TEST_F(UpstreamFeedTest, normalDay_thenRestartFromCacheAsksConditionally) {
    startFeed();
    waitForDownloads(2);
    EXPECT_EQ(finished.value("ECB").first, Outcome::Accepted);
    EXPECT_EQ(finished.value("CURRENCYAPI").first, Outcome::Accepted);
    ASSERT_EQ(changed.size(), 2);
    EXPECT_EQ(feed->snapshot("ECB")->date, kEcbDay);
    EXPECT_EQ(feed->snapshot("ECB")->perBase.size(), 30);
    EXPECT_EQ(feed->snapshot("CURRENCYAPI")->perBase.size(), 340);
    EXPECT_TRUE(server->requests().value(0).value("user-agent").startsWith("ratepad-rate-server/"));
    // Current data: the next attempt follows the ECB's publication at 16:00 CET, within the spread.
    const auto expectAfterTodaysPublication = [this] {
        const qint64 wait = kNow.secsTo(feed->nextAttempt("ECB"));
        EXPECT_GE(wait, 3 * 3600 + 600);
        EXPECT_LT(wait, 3 * 3600 + 1200);
    };
    expectAfterTodaysPublication();
    EXPECT_EQ(feed->nextPublication("CURRENCYAPI"), QDateTime(QDate(2026, 12, 9), QTime(0, 0), Qt::UTC));

    const QByteArray ecbCache = cacheFile("ECB"), apiCache = cacheFile("CURRENCYAPI");
    feed.reset();
    startFeed(); // the same hour: both are current, nobody is asked before the next publication
    EXPECT_EQ(changed.size(), 2);   // from the cache
    expectAfterTodaysPublication(); // asking would have cleared it
    feed.reset();
    clock = kNow.addDays(1); // a day on, both have published since
    startFeed();
    waitForDownloads(4);
    EXPECT_EQ(finished.value("ECB"), std::make_pair(Outcome::Unchanged, QStringLiteral("not modified")));
    EXPECT_EQ(finished.value("CURRENCYAPI"),
              std::make_pair(Outcome::Unchanged, QStringLiteral("not modified")));
    EXPECT_EQ(changed.size(), 2);
    for (const auto& request : server->requests().mid(2)) {
        const bool ecb = request.value("target") == "/ecb.xml";
        EXPECT_EQ(request.value("if-none-match"), ecb ? "\"ecb1\"" : "\"api1\"");
        EXPECT_EQ(request.value("if-modified-since"), ecb ? "Mon, 07 Dec 2026 15:00:00 GMT" : "");
    }
    EXPECT_EQ(cacheFile("ECB"), ecbCache);
    EXPECT_EQ(cacheFile("CURRENCYAPI"), apiCache);
}

TEST_F(UpstreamFeedTest, sourcesDown_backOff_andFallbacksAnswerForADownOrStaleHost) {
    server->set("/ecb.xml", {503, "maintenance", {}});
    server->set("/cdn/eur.json", {200, fixtures::currencyApiDay(kApiDay.addDays(-2)), {}}); // @latest lagging
    server->set("/pages/eur.json", {200, fixtures::currencyApiDay(kApiDay), {}});
    startFeed(
        {{"CURRENCYAPI", {closedPort(), server->url("/cdn/eur.json"), server->url("/pages/eur.json")}}});
    waitForDownloads(2);
    EXPECT_EQ(finished.value("ECB").first, Outcome::Failed);
    EXPECT_TRUE(finished.value("ECB").second.contains("HTTP 503"))
        << finished.value("ECB").second.toStdString();
    EXPECT_EQ(feed->nextAttempt("ECB"), kNow.addSecs(300));
    EXPECT_FALSE(feed->snapshot("ECB"));
    EXPECT_TRUE(cacheFile("ECB").isEmpty());
    EXPECT_EQ(finished.value("CURRENCYAPI").first, Outcome::Accepted);
    EXPECT_EQ(feed->snapshot("CURRENCYAPI")->date, kApiDay);
    EXPECT_EQ(changed.size(), 2); // the lagging day, then the current one
}

TEST_F(UpstreamFeedTest, badDownloads_leaveTheCacheUntouched) {
    startFeed();
    waitForDownloads(2);
    const QByteArray ecbXml = fixtures::ecbDay(kApiDay);
    const QByteArray padded = fixtures::currencyApiDay(kApiDay) + QByteArray(3 * 1024 * 1024, ' ');
    const struct {
        const char* source;
        const char* path;
        HttpsStandIn::Answer answer;
        Outcome outcome;
        const char* detail;
    } cases[] = {
        {"ECB",
         "/ecb.xml",
         {200, "<html><body>Service unavailable</body></html>", {}},
         Outcome::Rejected,
         "envelope"},
        {"ECB", "/ecb.xml", {200, ecbXml.left(ecbXml.size() / 2), {}}, Outcome::Rejected, "Premature end"},
        {"ECB",
         "/ecb.xml",
         {200, fixtures::ecbDay(QDate(2026, 12, 10)), {}},
         Outcome::Rejected,
         "in the future"},
        {"ECB",
         "/ecb.xml",
         {200, fixtures::ecbDay(kApiDay, -1), {}},
         Outcome::Rejected,
         "and CURRENCYAPI has"},
        {"ECB", "/ecb.xml", {302, {}, {{"Location", "/ecb.xml"}}}, Outcome::Failed, "redirect"},
        {"ECB",
         "/ecb.xml",
         {200, ecbXml.left(900), {{"Content-Length", "2000"}}},
         Outcome::Failed,
         "Connection closed"},
        {"CURRENCYAPI",
         "/cdn/eur.json",
         {200, fixtures::currencyApiDay(QDate(2026, 12, 5)), {}},
         Outcome::Rejected,
         "older than the cached 2026-12-08"}, // a stale @latest
        {"CURRENCYAPI",
         "/cdn/eur.json",
         {200, fixtures::currencyApiDay(kApiDay, 120), {}},
         Outcome::Rejected,
         "only 120 currencies"},
        {"CURRENCYAPI", "/cdn/eur.json", {200, padded, {}}, Outcome::Failed, "larger than 2097152 bytes"},
    };
    const QByteArray ecbCache = cacheFile("ECB"), apiCache = cacheFile("CURRENCYAPI");
    const RateSnapshot ecb = *feed->snapshot("ECB"), api = *feed->snapshot("CURRENCYAPI");
    for (const auto& c : cases) {
        server->set(c.path, c.answer);
        const qsizetype warnings = log.warningsIn("ratepad.rateserver.upstream").size();
        const int before = downloads;
        ASSERT_TRUE(feed->refresh(c.source));
        EXPECT_FALSE(feed->refresh(c.source)); // one request per source at a time
        waitForDownloads(before + 1);
        EXPECT_EQ(finished.value(c.source).first, c.outcome) << c.detail;
        EXPECT_TRUE(finished.value(c.source).second.contains(QLatin1String(c.detail), Qt::CaseInsensitive))
            << finished.value(c.source).second.toStdString();
        EXPECT_EQ(log.warningsIn("ratepad.rateserver.upstream").size(), warnings + 1) << c.detail;
        EXPECT_EQ(cacheFile("ECB"), ecbCache);
        EXPECT_EQ(cacheFile("CURRENCYAPI"), apiCache);
        EXPECT_EQ(feed->snapshot("ECB"), ecb);
        EXPECT_EQ(feed->snapshot("CURRENCYAPI"), api);
    }
    EXPECT_EQ(changed.size(), 2);
}

TEST_F(UpstreamFeedTest, downloader_givesUpOnAServerThatNeverAnswers) {
    server->set("/silent", {-1, {}, {}});
    QNetworkAccessManager network;
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setCaCertificates(QSslCertificate::fromPath(s_tls->filePath("cert.pem")));
    Downloader downloader(&network, tls);
    downloader.setDeadline(std::chrono::milliseconds(300));
    std::optional<Downloader::Result> result;
    QObject::connect(&downloader, &Downloader::finished, [&](const Downloader::Result& r) { result = r; });
    ASSERT_TRUE(downloader.fetch({server->url("/silent")}, {}, {}));
    ASSERT_TRUE(waitUntil([&] { return result.has_value(); }));
    EXPECT_EQ(result->status, Downloader::Result::Status::Failed);
    EXPECT_TRUE(result->error.endsWith("/silent: no complete answer within 300 ms"))
        << result->error.toStdString();
}

// The whole server on the feed: it answers from what the sources published, dated by them, and after
// a restart with every source unreachable, from its cache.
TEST_F(UpstreamFeedTest, server_answersTheSourcesRatesDatedByThem_andFromItsCacheAfterARestart) {
    const QDate today = QDateTime::currentDateTimeUtc().date();
    server->set("/ecb.xml", {200, fixtures::ecbDay(today.addDays(-1)), {}});
    server->set("/cdn/eur.json", {200, fixtures::currencyApiDay(today), {}});
    const auto rate = [](quint16 port, const char* provider, const char* src, const char* dst) {
        QNetworkAccessManager network;
        QNetworkReply* reply = network.get(QNetworkRequest(QUrl(
            QStringLiteral("http://127.0.0.1:%1/webservice/CurrencyServerWebService.asmx/getCurrencyValue"
                           "?provider=%2&srcCurrency=%3&dstCurrency=%4")
                .arg(port)
                .arg(QLatin1String(provider), QLatin1String(src), QLatin1String(dst)))));
        waitUntil([reply] { return reply->isFinished(); });
        return std::pair{reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(),
                         reply->rawHeader("Last-Modified") + ' ' + reply->readAll()};
    };
    for (const QUrl& source : {server->url("/ecb.xml"), closedPort()}) {
        const QUrl api = source.path() == u"/ecb.xml" ? server->url("/cdn/eur.json") : source;
        RateServerProcess program(QStringLiteral(RATEPAD_RATE_SERVER),
                                  {"--cache-dir", cache.path(), "--ca-file", s_tls->filePath("cert.pem"),
                                   "--source", "ECB=" + source.toString(), "--source",
                                   "CURRENCYAPI=" + api.toString()},
                                  RateServerProcess::Log::Discard, RateServerProcess::Rates::AsArguments);
        ASSERT_NE(program.port(), 0) << program.startLine().toStdString();
        // Both sources quote 1.1642 dollars to the euro; the newer date is the answer's.
        EXPECT_TRUE(waitUntil([&] { return rate(program.port(), "AVERAGE", "EUR", "USD").first == 200; }));
        const auto [status, answer] = rate(program.port(), "AVERAGE", "EUR", "USD");
        EXPECT_TRUE(answer.startsWith(
            QLocale::c().toString(today.startOfDay(Qt::UTC), u"ddd, dd MMM yyyy 00:00:00 'GMT'").toLatin1()))
            << answer.toStdString();
        EXPECT_TRUE(answer.endsWith(">1.1642</double>")) << answer.toStdString();
        EXPECT_EQ(rate(program.port(), "AVERAGE", "USD", "XAU").first, 200); // currency-api's gold
        EXPECT_EQ(rate(program.port(), "ECB", "USD", "XAU").first, 500);     // not the central bank's
    }
}

} // namespace
