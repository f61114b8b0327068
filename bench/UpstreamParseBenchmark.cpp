// Parsing one day of each upstream source at its real size: the ECB's 29 currencies and
// currency-api's 340 codes. Target: both together well under 5 ms.
#include "BenchmarkMain.h"
#include "CurrencyApiParser.h"
#include "EcbParser.h"
#include "UpstreamFixtures.h"

#include <QCoreApplication>

namespace {

const QDate kDay(2026, 12, 7);

void BM_ParseEcb(benchmark::State& state) {
    const QByteArray xml = fixtures::ecbDay(kDay);
    for (auto _ : state)
        benchmark::DoNotOptimize(EcbParser::parse(xml));
    state.SetBytesProcessed(state.iterations() * xml.size());
}
BENCHMARK(BM_ParseEcb)->Unit(benchmark::kMicrosecond);

void BM_ParseCurrencyApi(benchmark::State& state) {
    const QByteArray json = fixtures::currencyApiDay(kDay, 340);
    for (auto _ : state)
        benchmark::DoNotOptimize(CurrencyApiParser::parse(json));
    state.SetBytesProcessed(state.iterations() * json.size());
}
BENCHMARK(BM_ParseCurrencyApi)->Unit(benchmark::kMicrosecond);

void BM_ParseBoth(benchmark::State& state) {
    const QByteArray xml = fixtures::ecbDay(kDay), json = fixtures::currencyApiDay(kDay, 340);
    for (auto _ : state) {
        const auto ecb = EcbParser::parse(xml);
        const auto api = CurrencyApiParser::parse(json);
        if (!ecb || !api)
            state.SkipWithError("a fixture does not parse");
        benchmark::DoNotOptimize(ecb);
        benchmark::DoNotOptimize(api);
    }
}
BENCHMARK(BM_ParseBoth)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return runBenchmarks<QCoreApplication>(argc, argv);
}
