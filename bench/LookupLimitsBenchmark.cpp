// What a hostile rate server can cost one lookup: a 100 MB reply (peak resident memory above the
// base) and a 10 MB number (time until the lookup is refused), against a server on loopback that
// streams its reply only as fast as the lookup reads it.
#include "BenchmarkMain.h"
#include "CurrencyConvertor.h"
#include "RateReplyReader.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <benchmark/benchmark.h>

namespace {

const QByteArray kOpenTag = "<double xmlns=\"http://rates.test/webservices/CurrencyServer\">";

// Answers every request with `head`, then `fillerSize` copies of `filler`, then "</double>",
// writing at most a few pieces ahead of the reader, so that the server holds almost nothing.
class StreamingServer final : public QObject {
public:
    StreamingServer(QByteArray head, qint64 fillerSize, char filler)
        : m_head(std::move(head)), m_fillerSize(fillerSize), m_filler(filler) {
        m_server.listen(QHostAddress::LocalHost, 0);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection())
                serve(socket);
        });
    }
    QString host() const { return QStringLiteral("127.0.0.1:%1").arg(m_server.serverPort()); }

private:
    void serve(QTcpSocket* socket) {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        auto left = std::make_shared<qint64>(-1);
        const auto pump = [this, socket, left] {
            if (*left < 0) {
                socket->write(m_head);
                *left = m_fillerSize;
            }
            const QByteArray piece(64 * 1024, m_filler);
            while (*left > 0 && socket->bytesToWrite() < 4 * piece.size()) {
                const qint64 n = std::min<qint64>(piece.size(), *left);
                socket->write(piece.constData(), n);
                *left -= n;
            }
            if (*left == 0) {
                socket->write("</double>");
                *left = -2;
                socket->disconnectFromHost();
            }
        };
        connect(socket, &QTcpSocket::readyRead, socket, [socket, pump] {
            if (socket->readAll().contains("\r\n\r\n"))
                pump();
        });
        connect(socket, &QTcpSocket::bytesWritten, socket, [left, pump] {
            if (*left > 0)
                pump();
        });
    }

    QTcpServer m_server;
    QByteArray m_head;
    qint64 m_fillerSize;
    char m_filler;
};

qint64 statusKiB(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

// Runs one lookup to its end; returns the published rate as text.
QString lookUp(const RateService& service, HttpClient& network) {
    auto lookup = CurrencyConvertor::create("USD", "EUR", service, network);
    while (lookup && !lookup->rate())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return lookup ? lookup->rate()->toString() : QStringLiteral("null");
}

RateService serviceAt(const QString& host) {
    RateService service;
    service.serverHost = host;
    service.namespaceHost = QStringLiteral("rates.test");
    return service;
}

// Without Content-Length, so that only reading can tell how large the body is.
QByteArray streamedHead(const QByteArray& bodyStart) {
    return "HTTP/1.1 200 OK\r\nContent-Type: text/xml\r\nConnection: close\r\n\r\n" + bodyStart;
}

void BM_HundredMegabyteReply(benchmark::State& state) {
    StreamingServer server(streamedHead("<html>"), 100 * 1024 * 1024, 'x');
    HttpClient network;
    const RateService service = serviceAt(server.host());
    lookUp(service, network); // warm up: the first lookup loads Qt's network plugins
    qint64 growth = 0;
    for (auto _ : state) {
        const qint64 base = statusKiB("VmRSS:");
        // Resets the peak (VmHWM) to the current resident size.
        QFile clear(QStringLiteral("/proc/self/clear_refs"));
        if (!clear.open(QIODevice::WriteOnly) || clear.write("5") != 1) {
            state.SkipWithError("cannot reset the peak resident size");
            return;
        }
        clear.close();
        if (lookUp(service, network) != u"0")
            state.SkipWithError("the lookup did not fail");
        growth = std::max(growth, statusKiB("VmHWM:") - base);
    }
    state.counters["peak_rss_growth_KiB"] = static_cast<double>(growth);
}
BENCHMARK(BM_HundredMegabyteReply)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_TenMegabyteNumber_lookup(benchmark::State& state) {
    StreamingServer server(streamedHead(kOpenTag), 10 * 1024 * 1024, '7');
    HttpClient network;
    const RateService service = serviceAt(server.host());
    lookUp(service, network);
    for (auto _ : state) {
        if (lookUp(service, network) != u"0")
            state.SkipWithError("the lookup did not fail");
    }
}
BENCHMARK(BM_TenMegabyteNumber_lookup)->Unit(benchmark::kMillisecond)->UseRealTime();

// The reader alone, on the longest number that fits in a body it reads.
void BM_LongestReadableNumber_reader(benchmark::State& state) {
    const RateReplyReader reader(QStringLiteral("rates.test"));
    QByteArray body = kOpenTag;
    body += QByteArray(RateReplyReader::kMaxBodySize - body.size() - 9, '7') + "</double>";
    for (auto _ : state)
        benchmark::DoNotOptimize(reader.read(body));
}
BENCHMARK(BM_LongestReadableNumber_reader)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return runBenchmarks<QCoreApplication>(argc, argv);
}
