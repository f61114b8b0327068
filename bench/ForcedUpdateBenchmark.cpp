// A forced update of every catalogue currency against ratepad-rate-server on loopback, and curl
// fetching the same URLs with the same number of parallel connections (the app's client opens six per host),
// in the same run.
#include "BenchmarkMain.h"
#include "Bundle.h"
#include "CurrencyManager.h"
#include "UserDefaults.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int kParallel = HttpClient::kConnectionsPerHost;

class Server {
public:
    Server() {
        m_process.setStandardErrorFile(QProcess::nullDevice());
        // The shipped table as today's rates: answered from the server's data, nothing downloaded.
        const QString rates = m_dir.filePath(QStringLiteral("rates.plist"));
        QFile::copy(QStringLiteral(RATEPAD_SHIPPED_RATES), rates);
        QFile file(rates);
        if (file.open(QIODevice::ReadWrite))
            file.setFileTime(QDateTime::currentDateTimeUtc(), QFileDevice::FileModificationTime);
        m_process.start(QStringLiteral(RATEPAD_RATE_SERVER), {"--port", "0", "--rates", rates});
        m_process.waitForReadyRead(20000);
        const auto match = QRegularExpression(":(\\d+)/").match(QString::fromUtf8(m_process.readLine()));
        m_port = match.captured(1).toUShort();
    }
    ~Server() {
        m_process.kill();
        m_process.waitForFinished();
    }
    QString host() const { return QStringLiteral("127.0.0.1:%1").arg(m_port); }

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    quint16 m_port = 0;
};

Server& server() {
    static Server s;
    return s;
}

QStringList catalogueCodes() {
    QStringList codes = Bundle::mainBundle().dictionaryForResource("Currencies").keys();
    codes.removeAll("USD");
    return codes;
}

// A manager over a stored list of `count` entries (the catalogue over and over), automatic updates
// off, talking to the bundled server.
class ManagerOverList {
public:
    explicit ManagerOverList(qsizetype count) : m_defaults(m_dir.path() + "/preferences.plist") {
        m_defaults.registerDefaults(Bundle::mainBundle().dictionaryForResource("UserDefaults"));
        const QStringList codes = catalogueCodes();
        QVariantList list;
        for (qsizetype i = 0; i < count; ++i)
            list.append(QVariantMap{{"currencyCode", codes.at(i % codes.size())}});
        m_defaults.setObject("foreignCurrenciesStandard", list);
        m_defaults.setObject("automaticUpdatesEnabled", false);
        CurrencyManager::Environment environment{m_defaults, Bundle::mainBundle()};
        environment.rateService.serverHost = server().host();
        m_manager = std::make_unique<CurrencyManager>(environment);
    }
    CurrencyManager& manager() { return *m_manager; }
    // One forced update of every entry, to the last answer; the number of lookups it started.
    qsizetype forceUpdateToTheEnd() {
        m_manager->forceUpdate();
        const qsizetype lookups = m_manager->activeConnections().size() + m_manager->queuedLookupCount();
        while (!m_manager->activeConnections().isEmpty())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        return lookups;
    }

private:
    QTemporaryDir m_dir;
    UserDefaults m_defaults;
    std::unique_ptr<CurrencyManager> m_manager;
};

void BM_ForcedUpdate(benchmark::State& state) {
    ManagerOverList subject(catalogueCodes().size());
    qsizetype lookups = 0;
    for (auto _ : state) {
        lookups += subject.forceUpdateToTheEnd();
    }
    state.counters["lookups/s"] =
        benchmark::Counter(static_cast<double>(lookups), benchmark::Counter::kIsRate);
    state.counters["lookups"] = static_cast<double>(subject.manager().foreignCurrencies().size());
}
BENCHMARK(BM_ForcedUpdate)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

// A forced update of a 10,000-entry list (the catalogue over and over): the lookups go through the
// manager's queue, and the event loop must stay free to answer a quit at any moment. The longest gap
// between two ticks of a 5 ms timer is how long a SIGTERM could have waited.
void BM_ForcedUpdateOfALongList(benchmark::State& state) {
    ManagerOverList subject(10000);
    qint64 longestGapMs = 0;
    qsizetype lookups = 0;
    for (auto _ : state) {
        QElapsedTimer sinceTick;
        QTimer ticker;
        ticker.setTimerType(Qt::PreciseTimer);
        QObject::connect(&ticker, &QTimer::timeout,
                         [&] { longestGapMs = std::max(longestGapMs, sinceTick.restart()); });
        sinceTick.start();
        ticker.start(5);
        lookups += subject.forceUpdateToTheEnd();
    }
    state.counters["lookups/s"] =
        benchmark::Counter(static_cast<double>(lookups), benchmark::Counter::kIsRate);
    state.counters["longest_stall_ms"] = static_cast<double>(longestGapMs);
}
BENCHMARK(BM_ForcedUpdateOfALongList)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

void BM_CurlSameUrls(benchmark::State& state) {
    QTemporaryDir dir;
    const QString config = dir.path() + "/urls.txt";
    {
        QFile file(config);
        file.open(QIODevice::WriteOnly);
        QTextStream out(&file);
        for (const QString& code : catalogueCodes())
            out << "url = \"http://" << server().host()
                << "/webservice/CurrencyServerWebService.asmx/"
                   "getCurrencyValue?provider=AVERAGE&srcCurrency=USD&dstCurrency="
                << code << "\"\noutput = /dev/null\n";
    }
    qsizetype lookups = 0;
    for (auto _ : state) {
        QProcess curl;
        curl.start("curl",
                   {"--silent", "--parallel", "--parallel-max", QString::number(kParallel), "-K", config});
        if (!curl.waitForFinished(60000) || curl.exitCode() != 0) {
            state.SkipWithError("curl failed or is missing");
            return;
        }
        lookups += catalogueCodes().size();
    }
    state.counters["lookups/s"] =
        benchmark::Counter(static_cast<double>(lookups), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_CurlSameUrls)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

} // namespace

int main(int argc, char** argv) {
    return runBenchmarks<QCoreApplication>(argc, argv);
}
