// A forced update of every catalogue currency against ratepad-rate-server on loopback, and curl
// fetching the same URLs with the same number of parallel connections (Qt opens six per host), in
// the same run.
#include "BenchmarkMain.h"
#include "Bundle.h"
#include "CurrencyManager.h"
#include "UserDefaults.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int kParallel = 6;

class Server {
public:
    Server() {
        m_process.setStandardErrorFile(QProcess::nullDevice());
        m_process.start(QStringLiteral(RATEPAD_RATE_SERVER), {"--port", "0"});
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

void BM_ForcedUpdate(benchmark::State& state) {
    QTemporaryDir dir;
    UserDefaults defaults(dir.path() + "/preferences.plist");
    defaults.registerDefaults(Bundle::mainBundle().dictionaryForResource("UserDefaults"));
    QVariantList list;
    for (const QString& code : catalogueCodes())
        list.append(QVariantMap{{"currencyCode", code}});
    defaults.setObject("foreignCurrenciesStandard", list);
    defaults.setObject("automaticUpdatesEnabled", false);
    CurrencyManager::Environment environment{defaults, Bundle::mainBundle()};
    environment.rateService.serverHost = server().host();
    CurrencyManager manager(environment);
    qsizetype lookups = 0;
    for (auto _ : state) {
        manager.forceUpdate();
        lookups += manager.activeConnections().size() + manager.queuedLookupCount();
        while (!manager.activeConnections().isEmpty())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    state.counters["lookups/s"] =
        benchmark::Counter(static_cast<double>(lookups), benchmark::Counter::kIsRate);
    state.counters["lookups"] = static_cast<double>(manager.foreignCurrencies().size());
}
BENCHMARK(BM_ForcedUpdate)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

// A forced update of a 10,000-entry list (the catalogue over and over): the lookups go through the
// manager's queue, and the event loop must stay free to answer a quit at any moment. The longest gap
// between two ticks of a 5 ms timer is how long a SIGTERM could have waited.
void BM_ForcedUpdateOfALongList(benchmark::State& state) {
    QTemporaryDir dir;
    UserDefaults defaults(dir.path() + "/preferences.plist");
    defaults.registerDefaults(Bundle::mainBundle().dictionaryForResource("UserDefaults"));
    const QStringList codes = catalogueCodes();
    QVariantList list;
    for (int i = 0; i < 10000; ++i)
        list.append(QVariantMap{{"currencyCode", codes.at(i % codes.size())}});
    defaults.setObject("foreignCurrenciesStandard", list);
    defaults.setObject("automaticUpdatesEnabled", false);
    CurrencyManager::Environment environment{defaults, Bundle::mainBundle()};
    environment.rateService.serverHost = server().host();
    CurrencyManager manager(environment);
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
        manager.forceUpdate();
        lookups += manager.activeConnections().size() + manager.queuedLookupCount();
        while (!manager.activeConnections().isEmpty())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
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
