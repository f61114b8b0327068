// ratepad-rate-server: the exchange-rate web service the app and its tests talk to.
#include "ConnectionServer.h"
#include "HttpFront.h"
#include "RateBook.h"
#include "RateRequestHandler.h"
#include "RateTable.h"
#include "SourceUrls.h"
#include "UpstreamFeed.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QHostAddress>
#include <QLoggingCategory>
#include <QTimer>
#include <chrono>
#include <cstdio>

Q_LOGGING_CATEGORY(lcServer, "ratepad.rateserver")

namespace {

constexpr quint16 kDefaultPort = 8641;
constexpr auto kDefaultBind = "127.0.0.1";
constexpr auto kDefaultNamespaceHost = "rates.ratepad.example";
// The currency-api snapshot the app's starting rates were made from: served, with its own date,
// only until a download replaces it, and stale by then anyway.
constexpr auto kShippedSnapshot = ":/rateserver/usd.json";
constexpr auto kFileSource = "FILE";
// QTcpServer's default backlog of 50 makes the kernel drop the SYNs of a burst of clients, who
// then wait a second or more to retry; the kernel caps this at net.core.somaxconn anyway.
constexpr int kListenBacklog = 1024;
// Started by socket activation, the server goes once it has been idle this long; the next
// connection starts it again.
constexpr int kActivatedIdleExitSeconds = 600;

int fail(const QString& message) {
    std::fprintf(stderr, "ratepad-rate-server: %s\n", qUtf8Printable(message));
    return 1;
}

QString urlText(const QHostAddress& address, quint16 port) {
    const QString host = address.protocol() == QAbstractSocket::IPv6Protocol
                             ? u'[' + address.toString() + u']'
                             : address.toString();
    return QStringLiteral("http://%1:%2/").arg(host).arg(port);
}

// An option's whole number of at least `minimum`; nothing when it is not one.
std::optional<int> wholeNumber(const QCommandLineParser& parser, const QCommandLineOption& option,
                               int minimum) {
    bool ok = false;
    const int value = parser.value(option).toInt(&ok);
    return ok && value >= minimum ? std::optional<int>(value) : std::nullopt;
}

qsizetype codeCount(const RateBook& book) {
    QSet<QString> codes;
    for (const QString& source : book.sources()) {
        if (const RateSnapshot* snapshot = book.snapshot(source)) {
            for (auto it = snapshot->perBase.keyBegin(); it != snapshot->perBase.keyEnd(); ++it)
                codes.insert(*it);
        }
    }
    return codes.size();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ratepad-rate-server"));
    QCoreApplication::setApplicationVersion(QStringLiteral(RATEPAD_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Serves exchange rates the way Ratepad asks for them:\n"
                       "GET /webservice/CurrencyServerWebService.asmx/getCurrencyValue"
                       "?provider=AVERAGE&srcCurrency=X&dstCurrency=Y"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption portOption(
        QStringLiteral("port"),
        QStringLiteral("TCP port to listen on; 0 picks a free one (default %1). Ignored when systemd "
                       "passes a listening socket.")
            .arg(kDefaultPort),
        QStringLiteral("port"), QString::number(kDefaultPort));
    const QCommandLineOption bindOption(
        QStringLiteral("bind"), QStringLiteral("IP address to listen on (default %1).").arg(kDefaultBind),
        QStringLiteral("address"), QString::fromLatin1(kDefaultBind));
    const QCommandLineOption namespaceOption(
        QStringLiteral("namespace-host"),
        QStringLiteral("Host inside the reply's XML namespace URI (built-in default %1).")
            .arg(kDefaultNamespaceHost),
        QStringLiteral("host"), QString::fromLatin1(kDefaultNamespaceHost));
    const QCommandLineOption ratesOption(
        QStringLiteral("rates"),
        QStringLiteral("Serve only these rates, downloading nothing (tests, demos): a "
                       "@fawazahmed0/currency-api JSON snapshot dated by its \"date\", or a property list "
                       "mapping code -> units per base unit, dated by its modification time. Provider %1.")
            .arg(QString::fromLatin1(kFileSource)),
        QStringLiteral("file"));
    const QCommandLineOption maxAgeOption(
        QStringLiteral("max-age"),
        QStringLiteral("Answer a source's rates while its data is at most this many days old (default %1).")
            .arg(RateBook::kDefaultMaxAgeDays),
        QStringLiteral("days"), QString::number(RateBook::kDefaultMaxAgeDays));
    const QCommandLineOption idleExitOption(
        QStringLiteral("idle-exit"),
        QStringLiteral("Exit after this many seconds without a connection; 0 never (default: %1 when "
                       "started by socket activation, else 0).")
            .arg(kActivatedIdleExitSeconds),
        QStringLiteral("seconds"));
    const QCommandLineOption maxConnectionsOption(
        QStringLiteral("max-connections"),
        QStringLiteral("Open connections at most (default: half the descriptor limit, at most 4096)."),
        QStringLiteral("count"));
    const QCommandLineOption cacheDirOption(
        QStringLiteral("cache-dir"),
        QStringLiteral("Where accepted downloads are kept (default $XDG_CACHE_HOME/ratepad-rate-server)."),
        QStringLiteral("dir"));
    const QCommandLineOption sourceOption(
        QStringLiteral("source"),
        QStringLiteral("Download source NAME (%1) from URL; given again for one source, the later URLs are "
                       "its fallbacks, in order.")
            .arg(UpstreamFeed::sourceNames().join(u", ")),
        QStringLiteral("NAME=URL"));
    const QCommandLineOption caFileOption(
        QStringLiteral("ca-file"), QStringLiteral("Trust this CA (PEM) for downloads, beside the system's."),
        QStringLiteral("file"));
    parser.addOptions({portOption, bindOption, namespaceOption, ratesOption, maxAgeOption, idleExitOption,
                       maxConnectionsOption, cacheDirOption, sourceOption, caFileOption});
    parser.process(app);

    bool portOk = false;
    const uint port = parser.value(portOption).toUInt(&portOk);
    if (!portOk || port > 65535)
        return fail(QStringLiteral("invalid port '%1'").arg(parser.value(portOption)));
    const QString bindText = parser.value(bindOption);
    QHostAddress address;
    if (bindText == u"localhost")
        address = QHostAddress::LocalHost;
    else if (!address.setAddress(bindText))
        return fail(QStringLiteral("invalid address '%1'; give an IPv4 or IPv6 address").arg(bindText));
    const QString namespaceHost = parser.value(namespaceOption);
    if (namespaceHost.isEmpty())
        return fail(QStringLiteral("the namespace host must not be empty"));
    const std::optional<int> maxAgeDays = wholeNumber(parser, maxAgeOption, 0);
    if (!maxAgeDays)
        return fail(
            QStringLiteral("invalid max-age '%1'; give a number of days").arg(parser.value(maxAgeOption)));
    std::optional<int> idleExitSeconds =
        parser.isSet(idleExitOption) ? wholeNumber(parser, idleExitOption, 0) : 0;
    if (!idleExitSeconds)
        return fail(QStringLiteral("invalid idle-exit '%1'").arg(parser.value(idleExitOption)));
    const std::optional<int> maxConnections =
        parser.isSet(maxConnectionsOption) ? wholeNumber(parser, maxConnectionsOption, 1) : std::nullopt;
    if (parser.isSet(maxConnectionsOption) && !maxConnections)
        return fail(QStringLiteral("invalid max-connections '%1'").arg(parser.value(maxConnectionsOption)));

    std::unique_ptr<RateBook> book;
    std::unique_ptr<UpstreamFeed> feed;
    QString error;
    if (parser.isSet(ratesOption)) {
        const QString path = parser.value(ratesOption);
        const std::optional<RateTable> table = RateTable::load(path, &error);
        if (!table)
            return fail(QStringLiteral("cannot read rates from %1: %2").arg(path, error));
        if (!table->date().isValid())
            return fail(QStringLiteral("%1 carries no date").arg(path));
        book = std::make_unique<RateBook>(QStringList{QString::fromLatin1(kFileSource)}, *maxAgeDays);
        book->setSnapshot(table->snapshot(QString::fromLatin1(kFileSource)));
    } else {
        UpstreamFeed::Options options;
        options.cacheDirectory = parser.value(cacheDirOption);
        options.caFile = parser.value(caFileOption);
        const auto urls = SourceUrls::parse(parser.values(sourceOption), UpstreamFeed::sourceNames(), &error);
        if (!urls)
            return fail(error);
        options.urls = *urls;
        // The sources in order of trust: the central bank first.
        book = std::make_unique<RateBook>(UpstreamFeed::sourceNames(), *maxAgeDays);
        const std::optional<RateTable> shipped =
            RateTable::load(QString::fromLatin1(kShippedSnapshot), &error);
        if (!shipped)
            return fail(QStringLiteral("the shipped rates are unreadable: %1").arg(error));
        book->setSnapshot(shipped->snapshot(QStringLiteral("CURRENCYAPI")));
        feed = std::make_unique<UpstreamFeed>(std::move(options));
        const auto follow = [&book, &feed](const QString& source) {
            book->setNextPublication(source, feed->nextPublication(source));
        };
        QObject::connect(feed.get(), &UpstreamFeed::snapshotChanged,
                         [&book, follow](const RateSnapshot& snapshot) {
                             book->setSnapshot(snapshot);
                             follow(snapshot.source);
                         });
        QObject::connect(feed.get(), &UpstreamFeed::downloadFinished,
                         [follow](const QString& source) { follow(source); });
        for (const QString& source : UpstreamFeed::sourceNames()) {
            book->setPublishedAt(source,
                                 [&feed, source](QDate date) { return feed->publishedAt(source, date); });
            follow(source);
        }
        if (!feed->start(&error))
            return fail(error);
    }
    const RateRequestHandler handler(*book, namespaceHost);

    auto listener = std::make_unique<ConnectionServer>();
    listener->setListenBacklogSize(kListenBacklog);
    if (maxConnections)
        listener->setMaxConnections(*maxConnections);
    const bool activated = listener->adoptInheritedSocket();
    if (!activated && !listener->listen(address, static_cast<quint16>(port)))
        return fail(QStringLiteral("cannot listen on %1: %2")
                        .arg(urlText(address, static_cast<quint16>(port)), listener->errorString()));
    listener->startAccepting();
    if (!parser.isSet(idleExitOption) && activated)
        idleExitSeconds = kActivatedIdleExitSeconds;
    QTimer idleExit;
    if (*idleExitSeconds > 0) {
        idleExit.setSingleShot(true);
        idleExit.setInterval(std::chrono::seconds(*idleExitSeconds));
        QObject::connect(&idleExit, &QTimer::timeout, &app, [] {
            qCInfo(lcServer) << "idle: exiting until the next connection";
            QCoreApplication::quit();
        });
        QObject::connect(listener.get(), &ConnectionServer::connectionCountChanged, &idleExit,
                         [&idleExit](int open) {
                             if (open == 0)
                                 idleExit.start();
                             else
                                 idleExit.stop();
                         });
        idleExit.start();
    }
    const ConnectionServer& listening = *listener;
    const HttpFront front(handler, listener.release()); // takes ownership of the listener

    std::printf("ratepad-rate-server listening on %s with %lld rates\n",
                qUtf8Printable(urlText(listening.serverAddress(), listening.serverPort())),
                static_cast<long long>(codeCount(*book)));
    std::fflush(stdout);
    return QCoreApplication::exec();
}
