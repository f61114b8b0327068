// How long the list screen takes to take in one arriving rate with 190 currencies listed: from the
// manager's handling of the reply (the record's rate and date set, its data-changed and rate-updated
// signals) to the end of the row's update (its labels set, not yet painted). The row is on screen,
// or scrolled out of sight. For comparison, the whole-table reload that an arrival used to cause.
// Google Benchmark reports the mean; the median and the 99th percentile are median_us and p99_us.
#include "BarButtonItem.h"
#include "BenchmarkMain.h"
#include "Bundle.h"
#include "CurrencyManager.h"
#include "CurrencyViewController.h"
#include "TableView.h"
#include "UserDefaults.h"

#include <QApplication>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cmath>
#include <vector>

namespace {

constexpr int kRows = 190;
constexpr int kArrivals = 5000;

double percentile(std::vector<double> samples, double fraction) {
    std::sort(samples.begin(), samples.end());
    const auto rank = static_cast<std::size_t>(std::ceil(fraction * static_cast<double>(samples.size())));
    return samples[std::clamp<std::size_t>(rank, 1, samples.size()) - 1];
}

// A manager with kRows currencies of the catalogue and the list screen over it, shown.
struct ListedScreen {
    ListedScreen() {
        QVariantMap registered = Bundle::mainBundle().dictionaryForResource(QStringLiteral("UserDefaults"));
        registered.insert(QStringLiteral("automaticUpdatesEnabled"), false);
        defaults.registerDefaults(registered);
        const QStringList codes = manager.knownCurrencies().keys();
        // The catalogue's codes in turn, again from the start should it hold fewer.
        for (qsizetype i = 0; manager.foreignCurrencies().size() < kRows; ++i)
            manager.addForeignCurrency(ForeignCurrency::create(codes[i % codes.size()]));
        view = screen.view();
        view->resize(320, 480);
        view->show();
        screen.viewWillAppear(false);
    }

    QTemporaryDir dir;
    UserDefaults defaults{dir.path() + QStringLiteral("/preferences.plist")};
    CurrencyManager manager{{defaults, Bundle::mainBundle()}};
    CurrencyViewController screen{manager, [] { return true; }, QStringLiteral("127.0.0.1")};
    QWidget* view = nullptr;
};

template <typename Step> void measure(benchmark::State& state, ListedScreen& listed, Step step) {
    std::vector<double> samples;
    samples.reserve(kArrivals);
    int n = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        step(n++);
        const auto end = std::chrono::steady_clock::now();
        const double seconds = std::chrono::duration<double>(end - start).count();
        state.SetIterationTime(seconds);
        samples.push_back(seconds);
        QCoreApplication::processEvents(); // paints, outside the measurement
    }
    state.counters["median_us"] = percentile(samples, 0.5) * 1e6;
    state.counters["p99_us"] = percentile(samples, 0.99) * 1e6;
    state.counters["rows"] = double(listed.screen.tableView()->numberOfRowsInSection(1));
}

void BM_RateArrival(benchmark::State& state) {
    ListedScreen listed;
    if (!QTest::qWaitForWindowExposed(listed.view)) {
        state.SkipWithError("the list's window was never exposed");
        return;
    }
    const bool onScreen = state.range(0) != 0;
    TableView* table = listed.screen.tableView();
    table->verticalScrollBar()->setValue(onScreen ? 0 : table->verticalScrollBar()->maximum());
    const auto record = listed.manager.foreignCurrencies().at(1);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    measure(state, listed, [&](int n) {
        // What the manager does for each record of an arriving rate.
        record->setRate(Decimal::fromString(QStringLiteral("0.9%1").arg(n % 1000)));
        record->setLastUpdate(now.addSecs(n));
        emit listed.manager.foreignCurrencyDataChanged(record);
        emit listed.manager.exchangeRateWasUpdated(record);
    });
}
BENCHMARK(BM_RateArrival)
    ->ArgName("rowOnScreen")
    ->Arg(1)
    ->Arg(0)
    ->UseManualTime()
    ->Iterations(kArrivals)
    ->Unit(benchmark::kMicrosecond);

void BM_WholeTableReload(benchmark::State& state) {
    ListedScreen listed;
    if (!QTest::qWaitForWindowExposed(listed.view)) {
        state.SkipWithError("the list's window was never exposed");
        return;
    }
    TableView* table = listed.screen.tableView();
    measure(state, listed, [table](int) { table->reloadData(); });
}
BENCHMARK(BM_WholeTableReload)->UseManualTime()->Iterations(1000)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return runBenchmarks<QApplication>(argc, argv);
}
