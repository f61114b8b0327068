#include "SnapshotCheck.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

const QDateTime kNow(QDate(2026, 12, 8), QTime(12, 0), Qt::UTC);
const SnapshotCheck::Rules kRules{QStringLiteral("EUR"), 4};

RateSnapshot day(const QString& source, QDate date, QHash<QString, double> rates = {}) {
    QHash<QString, double> perBase{{"EUR", 1}, {"USD", 1.16}, {"GBP", 0.87}, {"JPY", 181.5}};
    perBase.insert(rates);
    return {source, date, perBase, QStringLiteral("EUR"), {}, {}};
}

TEST(SnapshotCheckTest, check_refusesWhatCannotBeToday) {
    const RateSnapshot cached = day("ECB", QDate(2026, 12, 7));
    const RateSnapshot other = day("CURRENCYAPI", QDate(2026, 12, 8));
    RateSnapshot usdBase = day("ECB", QDate(2026, 12, 8));
    usdBase.base = QStringLiteral("USD");
    RateSnapshot few = day("ECB", QDate(2026, 12, 8));
    few.perBase.remove("JPY");
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        RateSnapshot candidate;
        const char* reason;
    } cases[] = {
        {usdBase, "base is USD"},
        {day("ECB", QDate(2026, 12, 8), {{"EUR", 1.01}}), "not quoted as 1"},
        {few, "only 3 currencies"},
        {day("ECB", QDate(2026, 12, 8), {{"GBP", inf}}), "GBP is inf"},
        {day("ECB", QDate(2026, 12, 8), {{"GBP", std::nan("")}}), "GBP is nan"},
        {day("ECB", QDate(2026, 12, 8), {{"GBP", 0}}), "GBP is 0"},
        {day("ECB", QDate(2026, 12, 8), {{"GBP", -0.87}}), "GBP is -0.87"},
        {day("ECB", QDate(2026, 12, 8), {{"VEB", 2e12}}), "VEB is 2e+12"},
        {day("ECB", QDate(2026, 12, 9)), "in the future"},
        {day("ECB", QDate(2026, 12, 4)), "older than the cached 2026-12-07"},
        // Inverted: the other source still quotes the old value, so the move is refused.
        {day("ECB", QDate(2026, 12, 8), {{"JPY", 1 / 181.5}}),
         "JPY moved from 181.5 to 0.005509641873 and CURRENCYAPI has 181.5"},
    };
    for (const auto& c : cases) {
        const auto verdict = SnapshotCheck::check(c.candidate, kRules, &cached, {other}, kNow);
        EXPECT_TRUE(verdict.rejection.contains(QLatin1String(c.reason)))
            << c.reason << ": " << verdict.rejection.toStdString();
    }
    // The first download has nothing to be compared with; a clock two hours late still takes today's.
    EXPECT_TRUE(SnapshotCheck::check(day("ECB", QDate(2026, 12, 9)), kRules, nullptr, {},
                                     kNow.addSecs(10 * 3600 + 1800))
                    .rejection.isEmpty());
}

TEST(SnapshotCheckTest, check_largeMoveNeedsAnotherSource) {
    const RateSnapshot cached = day("CURRENCYAPI", QDate(2026, 12, 7), {{"VES", 300}, {"BTC", 1.4e-5}});
    RateSnapshot moved = day("CURRENCYAPI", QDate(2026, 12, 8), {{"VES", 900}, {"BTC", 1.4e-5}, {"GBP", 2}});
    // Confirmed by the other source's GBP; VES, which nothing else quotes, waits out one download.
    auto verdict =
        SnapshotCheck::check(moved, kRules, &cached, {day("ECB", QDate(2026, 12, 8), {{"GBP", 1.95}})}, kNow);
    EXPECT_TRUE(verdict.rejection.isEmpty()) << verdict.rejection.toStdString();
    EXPECT_EQ(verdict.withheld, QStringList{"VES"});
    // Withholding may not leave a file shorter than a normal one.
    moved.perBase["BTC"] = 1e-4;
    verdict = SnapshotCheck::check(moved, {QStringLiteral("EUR"), 5}, &cached,
                                   {day("ECB", QDate(2026, 12, 8))}, kNow);
    EXPECT_TRUE(verdict.rejection.contains("GBP moved")) << verdict.rejection.toStdString();
    moved.perBase["GBP"] = 0.87;
    verdict = SnapshotCheck::check(moved, {QStringLiteral("EUR"), 5}, &cached, {}, kNow);
    EXPECT_EQ(verdict.rejection, "2 currencies moved by more than a factor of 2");
}

} // namespace
