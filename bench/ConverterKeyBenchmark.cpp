// How long the converter takes from a key press to the end of the redraw of its four amount fields
// (the texts set, not yet painted), over 10,000 presses of the real keys. Google Benchmark reports
// the mean; the median and the 99th percentile are the counters median_us and p99_us.
#include "BenchmarkMain.h"
#include "Bundle.h"
#include "ConverterViewController.h"
#include "CurrencyManager.h"
#include "UserDefaults.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cmath>
#include <vector>

namespace {

constexpr int kPresses = 10000;

// The keys to press in turn: a short amount with decimals, or one of the full 38 digits.
QList<QAbstractButton*> keySequence(QWidget* view, bool longAmount) {
    QString keys = longAmount ? QStringLiteral("1234567890123456789012345678.9012345678C")
                              : QStringLiteral("1234.5678C");
    QList<QAbstractButton*> sequence;
    for (const QChar c : keys) {
        const QString name = c == u'.'   ? QStringLiteral("decimalKey")
                             : c == u'C' ? QStringLiteral("clearKey")
                                         : QStringLiteral("key%1").arg(c);
        sequence << view->findChild<QAbstractButton*>(name);
    }
    return sequence;
}

double percentile(std::vector<double> samples, double fraction) {
    std::sort(samples.begin(), samples.end());
    const auto rank = static_cast<std::size_t>(std::ceil(fraction * static_cast<double>(samples.size())));
    return samples[std::clamp<std::size_t>(rank, 1, samples.size()) - 1];
}

void BM_KeyPressToRedraw(benchmark::State& state) {
    QTemporaryDir dir;
    UserDefaults defaults(dir.path() + QStringLiteral("/preferences.plist"));
    QVariantMap registered = Bundle::mainBundle().dictionaryForResource(QStringLiteral("UserDefaults"));
    registered.insert(QStringLiteral("automaticUpdatesEnabled"), false);
    defaults.registerDefaults(registered);
    CurrencyManager manager({defaults, Bundle::mainBundle()});
    manager.foreignCurrency()->setRate(Decimal::fromString(QStringLiteral("0.9234")));

    ConverterViewController screen(manager);
    QWidget* view = screen.view();
    view->resize(320, 480);
    view->show();
    if (!QTest::qWaitForWindowExposed(view)) {
        state.SkipWithError("the converter's window was never exposed");
        return;
    }
    const QList<QAbstractButton*> sequence = keySequence(view, state.range(0) != 0);

    std::vector<double> samples;
    samples.reserve(kPresses);
    qsizetype next = 0;
    for (auto _ : state) {
        QAbstractButton* key = sequence[next++ % sequence.size()];
        const auto start = std::chrono::steady_clock::now();
        // Press and release: the key acts on release, and the fields are redrawn before this returns.
        QTest::mouseClick(key, Qt::LeftButton);
        const auto end = std::chrono::steady_clock::now();
        const double seconds = std::chrono::duration<double>(end - start).count();
        state.SetIterationTime(seconds);
        samples.push_back(seconds);
        // Paints and the decimal key's animation run between presses, outside the measurement.
        QCoreApplication::processEvents();
    }
    state.counters["median_us"] = percentile(samples, 0.5) * 1e6;
    state.counters["p99_us"] = percentile(samples, 0.99) * 1e6;
}
BENCHMARK(BM_KeyPressToRedraw)
    ->ArgName("longAmount")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Iterations(kPresses)
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return runBenchmarks<QApplication>(argc, argv);
}
