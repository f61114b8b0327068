// ratepad-rate-server: the exchange-rate web service the app and its tests talk to.
#include "RateRequestHandler.h"
#include "RateTable.h"
#include "RequestGuard.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QHttpServer>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QMetaEnum>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <chrono>
#include <cstdio>

namespace {

constexpr quint16 kDefaultPort = 8641;
constexpr auto kDefaultBind = "127.0.0.1";
constexpr auto kDefaultNamespaceHost = "rates.ratepad.example";
constexpr auto kShippedRates = ":/ExchangeRates.plist";
// QTcpServer's default backlog of 50 makes the kernel drop the SYNs of a burst of clients, who
// then wait a second or more to retry; the kernel caps this at net.core.somaxconn anyway.
constexpr int kListenBacklog = 1024;
// QHttpServer 6.4 keeps every connection open until the client closes it; this bounds idle ones.
constexpr auto kIdleTimeout = std::chrono::seconds(15);

int fail(const QString& message) {
    std::fprintf(stderr, "ratepad-rate-server: %s\n", qUtf8Printable(message));
    return 1;
}

QByteArray methodName(QHttpServerRequest::Method method) {
    const char* key = QMetaEnum::fromType<QHttpServerRequest::Method>().valueToKey(static_cast<int>(method));
    return key ? QByteArray(key).toUpper() : QByteArrayLiteral("UNKNOWN");
}

QString urlText(const QHostAddress& address, quint16 port) {
    const QString host = address.protocol() == QAbstractSocket::IPv6Protocol
                             ? u'[' + address.toString() + u']'
                             : address.toString();
    return QStringLiteral("http://%1:%2/").arg(host).arg(port);
}

// Closes connections that have been quiet for kIdleTimeout, including ones that never send a request,
// and guards each against oversized or endless requests.
class IdleClosingTcpServer final : public QTcpServer {
public:
    using QTcpServer::QTcpServer;

protected:
    void incomingConnection(qintptr descriptor) override {
        auto* socket = new QTcpSocket(this);
        if (!socket->setSocketDescriptor(descriptor)) {
            delete socket;
            return;
        }
        // Answers are small and may follow each other on one connection: Nagle's algorithm would hold
        // back an answer until the client acknowledges the previous one, which it may delay by 40 ms.
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        auto* idle = new QTimer(socket);
        idle->setSingleShot(true);
        idle->setInterval(kIdleTimeout);
        const auto restart = [idle] { idle->start(); };
        connect(socket, &QIODevice::readyRead, idle, restart);
        connect(socket, &QIODevice::bytesWritten, idle, restart);
        connect(idle, &QTimer::timeout, socket, &QAbstractSocket::disconnectFromHost);
        idle->start();
        new RequestGuard(socket); // before the HTTP server connects, so that it sees each byte first
        addPendingConnection(socket);
    }
};

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
        QStringLiteral("TCP port to listen on; 0 picks a free one (default %1).").arg(kDefaultPort),
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
        QStringLiteral(
            "Rates to serve: a @fawazahmed0/currency-api JSON snapshot, or a property list mapping "
            "code -> units per base unit (default: the shipped ExchangeRates.plist)."),
        QStringLiteral("file"));
    parser.addOptions({portOption, bindOption, namespaceOption, ratesOption});
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

    const QString ratesPath =
        parser.isSet(ratesOption) ? parser.value(ratesOption) : QString::fromLatin1(kShippedRates);
    QString error;
    std::optional<RateTable> table = RateTable::load(ratesPath, &error);
    if (!table)
        return fail(QStringLiteral("cannot read rates from %1: %2").arg(ratesPath, error));
    const RateRequestHandler service(std::move(*table), namespaceHost);

    // Our own QTcpServer rather than QHttpServer::listen(), which offers no way to set the backlog.
    auto* tcpServer = new IdleClosingTcpServer;
    tcpServer->setListenBacklogSize(kListenBacklog);
    if (!tcpServer->listen(address, static_cast<quint16>(port))) {
        const QString reason = tcpServer->errorString();
        delete tcpServer;
        return fail(QStringLiteral("cannot listen on %1: %2")
                        .arg(urlText(address, static_cast<quint16>(port)), reason));
    }

    QHttpServer server;
    // No routes: every request lands here, so that one place decides what is served and logs it.
    server.setMissingHandler([&service](const QHttpServerRequest& request, QHttpServerResponder&& responder) {
        QElapsedTimer timer;
        timer.start();
        const QByteArray method = methodName(request.method());
        const QUrl url = request.url();
        const RateReply reply = service.answer(method, url);
        // QHttpServer 6.4 ignores "Connection: close"; a client that asks for it may read to the end.
        const bool close = request.value(QByteArrayLiteral("Connection")).trimmed().toLower() == "close";
        const auto status = static_cast<QHttpServerResponder::StatusCode>(reply.status);
        if (close) {
            responder.write(reply.body,
                            {{QByteArrayLiteral("Content-Type"), reply.contentType},
                             {QByteArrayLiteral("Connection"), QByteArrayLiteral("close")}},
                            status);
            responder.socket()->disconnectFromHost();
        } else {
            responder.write(reply.body, {{QByteArrayLiteral("Content-Type"), reply.contentType}}, status);
        }
        qInfo().noquote() << method
                          << url.toString(QUrl::RemoveScheme | QUrl::RemoveAuthority | QUrl::FullyEncoded)
                          << reply.status
                          << QStringLiteral("%1 ms").arg(timer.nsecsElapsed() / 1e6, 0, 'f', 3);
    });
    server.bind(tcpServer); // takes ownership

    std::printf("ratepad-rate-server listening on %s with %lld rates\n",
                qUtf8Printable(urlText(tcpServer->serverAddress(), tcpServer->serverPort())),
                static_cast<long long>(service.table().size()));
    std::fflush(stdout);
    return QCoreApplication::exec();
}
