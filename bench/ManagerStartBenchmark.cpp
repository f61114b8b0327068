// How long the currency manager takes to come up: the shipped catalogue plus a stored list of every
// catalogue currency, as after a long use of the program.
#include "BenchmarkMain.h"
#include "Bundle.h"
#include "CurrencyManager.h"
#include "UserDefaults.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QVariantList storedList() {
    QVariantList list;
    const QVariantMap catalogue = Bundle::mainBundle().dictionaryForResource("Currencies");
    const QDateTime when = QDateTime::currentDateTimeUtc();
    double rate = 0.5;
    for (auto it = catalogue.begin(); it != catalogue.end(); ++it) {
        list.append(QVariantMap{{"currencyCode", it.key()},
                                {"label", it.value()},
                                {"exchangeRate", rate += 0.123456789},
                                {"lastUpdate", when}});
    }
    return list;
}

void BM_CreateManagerWithStoredList(benchmark::State& state) {
    QTemporaryDir dir;
    UserDefaults defaults(dir.path() + "/preferences.plist");
    defaults.registerDefaults(Bundle::mainBundle().dictionaryForResource("UserDefaults"));
    defaults.setObject("foreignCurrenciesStandard", storedList());
    for (auto _ : state) {
        CurrencyManager manager({defaults, Bundle::mainBundle()});
        benchmark::DoNotOptimize(manager.foreignCurrencies().size());
    }
    state.counters["currencies"] = static_cast<double>(storedList().size());
}
BENCHMARK(BM_CreateManagerWithStoredList)->Unit(benchmark::kMillisecond);

// The same, including reading the preferences file from disk.
void BM_LoadPreferencesAndCreateManager(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/preferences.plist";
    {
        UserDefaults defaults(path);
        defaults.setObject("foreignCurrenciesStandard", storedList());
    }
    for (auto _ : state) {
        UserDefaults defaults(path);
        defaults.registerDefaults(Bundle::mainBundle().dictionaryForResource("UserDefaults"));
        CurrencyManager manager({defaults, Bundle::mainBundle()});
        benchmark::DoNotOptimize(manager.foreignCurrencies().size());
    }
}
BENCHMARK(BM_LoadPreferencesAndCreateManager)->Unit(benchmark::kMillisecond);

void BM_RebuildStartingList(benchmark::State& state) {
    QTemporaryDir dir;
    UserDefaults defaults(dir.path() + "/preferences.plist");
    defaults.registerDefaults(Bundle::mainBundle().dictionaryForResource("UserDefaults"));
    CurrencyManager manager({defaults, Bundle::mainBundle()});
    for (auto _ : state)
        manager.rebuildForeignCurrencies();
}
BENCHMARK(BM_RebuildStartingList)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return runBenchmarks<QCoreApplication>(argc, argv);
}
