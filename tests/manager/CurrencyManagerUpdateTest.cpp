#include "ManagerFixture.h"

#include <QFileInfo>
#include <QTimer>

using namespace std::chrono_literals;

namespace {

class CurrencyManagerUpdate : public ManagerFixture {
protected:
    CurrencyManager& startWithRates(bool automatic, double secondsSinceLastUpdate) {
        defaultsPlist["automaticUpdatesEnabled"] = automatic;
        defaultsPlist["lastUpdate"] =
            static_cast<double>(CurrencyPreferences::referenceDate().secsTo(now)) - secondsSinceLastUpdate;
        return start();
    }
    // Stores `count` currencies C00, C01, … whose rates are 1, 2, …; returns their codes.
    QStringList storeNumberedCurrencies(int count) {
        QVariantMap catalogue{{"USD", "US Dollar"}};
        QVariantList stored;
        QStringList codes;
        for (int i = 0; i < count; ++i) {
            const QString code = QStringLiteral("C%1").arg(i, 2, 10, QLatin1Char('0'));
            catalogue.insert(code, code);
            stored.append(QVariantMap{{"currencyCode", code}});
            rates.insert(code.toUtf8(), QByteArray::number(i + 1));
            codes << code;
        }
        writeResource("Currencies", catalogue);
        defaultsPlist["foreignCurrenciesStandard"] = stored;
        return codes;
    }
    bool settled() {
        return waitUntil([this] { return manager->activeConnections().isEmpty(); }, 8000);
    }
};

} // namespace

TEST_F(CurrencyManagerUpdate, afterSixHoursEveryRateIsLookedUpAndNoTimerIsSet) {
    CurrencyManager& m = startWithRates(true, 21600);
    m.update();
    EXPECT_EQ(m.activeConnections().size(), 3);
    EXPECT_TRUE(m.networkActivityIndicatorVisible());
    EXPECT_TRUE(scheduled.isEmpty());
    // A refresh meanwhile joins the lookups in flight and reports when they end.
    QList<qsizetype> succeeded;
    QObject::connect(&m, &CurrencyManager::forcedUpdateFinished,
                     [&](qsizetype n, qsizetype) { succeeded << n; });
    m.forceUpdate();
    EXPECT_EQ(m.activeConnections().size(), 3);
    ASSERT_TRUE(settled());
    EXPECT_EQ(server.targets().size(), 3);
    EXPECT_EQ(succeeded, QList<qsizetype>{3});
    EXPECT_FALSE(m.networkActivityIndicatorVisible());
    EXPECT_EQ(rateText(m.foreignCurrencies()[0]), "0.92");
    EXPECT_EQ(m.foreignCurrencies()[0]->lastUpdate(), now);
    EXPECT_EQ(m.lastUpdate(), now);
}

// A rate is dated when its source published it, where the service says so (Friday's rates read on
// Monday are Friday's), and never later than now; the manager's own last update stays the time of
// the answer, which decides when to ask again.
TEST_F(CurrencyManagerUpdate, aDownloadedRateIsDatedWhenItsSourcePublishedIt_neverLaterThanNow) {
    lastModified = "Fri, 04 Dec 2026 15:00:00 GMT";
    CurrencyManager& m = startWithRates(true, 21600);
    m.forceUpdate();
    ASSERT_TRUE(settled());
    EXPECT_EQ(m.foreignCurrencies()[0]->lastUpdate(),
              QDateTime(QDate(2026, 12, 4), QTime(15, 0), QTimeZone::utc()));
    EXPECT_EQ(m.lastUpdate(), now);
    for (const QByteArray& unusable :
         {QByteArray("Tue, 08 Dec 2026 15:00:00 GMT"), QByteArray("yesterday")}) {
        lastModified = unusable;
        m.forceUpdate();
        ASSERT_TRUE(settled());
        EXPECT_EQ(m.foreignCurrencies()[0]->lastUpdate(), now) << unusable.toStdString();
    }
}

TEST_F(CurrencyManagerUpdate, beforeSixHoursOnlyMissingRatesAreLookedUpAndUpdateRunsAgainWhenTheyAreOver) {
    CurrencyManager& m = startWithRates(true, 21599);
    m.foreignCurrencies()[1]->setRate(std::nullopt);
    m.update();
    ASSERT_EQ(m.activeConnections().size(), 1);
    EXPECT_EQ(m.activeConnections()[0]->toCurrency(), "GBP");
    ASSERT_EQ(scheduled.size(), 1);
    EXPECT_DOUBLE_EQ(scheduled[0], 1.0);
    ASSERT_TRUE(settled());

    // A last update an hour in the future (the clock was set back) counts as none.
    scheduled.clear();
    now = now.addSecs(-3600);
    m.update();
    EXPECT_EQ(m.activeConnections().size(), 3);
    EXPECT_TRUE(scheduled.isEmpty());
    ASSERT_TRUE(settled());
}

TEST_F(CurrencyManagerUpdate, switchedOffNothingIsDownloadedUnlessForced) {
    CurrencyManager& m = startWithRates(false, 1e9);
    m.update();
    EXPECT_TRUE(m.activeConnections().isEmpty());
    EXPECT_TRUE(server.targets().isEmpty());

    auto handMade = ForeignCurrency::create("QQQ");
    handMade->setRate(Decimal(7));
    m.addForeignCurrency(handMade);
    QList<bool> indicator;
    QObject::connect(&m, &CurrencyManager::networkActivityIndicatorVisibleChanged,
                     [&](bool on) { indicator << on; });
    m.forceUpdate();
    EXPECT_EQ(m.activeConnections().size(), 3) << "the currency outside the catalogue is not looked up";
    ASSERT_TRUE(settled());
    EXPECT_EQ(indicator, QList<bool>({true, true, true, true, true, false}));
    EXPECT_EQ(rateText(handMade), "7");
    EXPECT_TRUE(scheduled.isEmpty());
}

TEST_F(CurrencyManagerUpdate, settingTheSwitchRunsAnUpdateEveryTime) {
    CurrencyManager& m = startWithRates(false, 1e9);
    m.setAutomaticUpdatesEnabled(false);
    EXPECT_TRUE(m.activeConnections().isEmpty());
    m.setAutomaticUpdatesEnabled(true);
    EXPECT_EQ(m.activeConnections().size(), 3);
    ASSERT_TRUE(settled());
    m.setAutomaticUpdatesEnabled(true); // the same value again: rates are fresh now, only the timer is set
    EXPECT_TRUE(m.activeConnections().isEmpty());
    EXPECT_DOUBLE_EQ(scheduled.last(), 21600.0);
}

TEST_F(CurrencyManagerUpdate, aCodeThatStandsTwiceGetsTheRateTwiceWithTwoNotifications) {
    CurrencyManager& m = startWithRates(false, 0);
    m.insertForeignCurrency(ForeignCurrency::create("GBP"), 0);
    ForeignCurrency::List notified;
    QObject::connect(&m, &CurrencyManager::exchangeRateWasUpdated, [&](const auto& c) { notified << c; });
    m.updateCurrency(m.foreignCurrencies()[0]);
    ASSERT_TRUE(settled());
    EXPECT_EQ(rateText(m.foreignCurrencies()[0]), "0.79");
    EXPECT_EQ(rateText(m.foreignCurrencies()[2]), "0.79");
    EXPECT_EQ(notified, ForeignCurrency::List({m.foreignCurrencies()[0], m.foreignCurrencies()[2]}));
}

TEST_F(CurrencyManagerUpdate, aFailedLookupChangesNoRecordAndDoesNotCountAsAnUpdate) {
    CurrencyManager& m = startWithRates(false, 100);
    const QDateTime before = m.lastUpdate();
    rates.remove("JPY");
    const auto jpy = m.foreignCurrencies()[2];
    const QString rateBefore = rateText(jpy);
    int notifications = 0;
    QObject::connect(&m, &CurrencyManager::exchangeRateWasUpdated, [&] { ++notifications; });
    now = now.addSecs(50);
    m.updateCurrency(jpy);
    ASSERT_TRUE(settled());
    EXPECT_EQ(rateText(jpy), rateBefore);
    EXPECT_FALSE(jpy->lastUpdate().isValid());
    EXPECT_EQ(notifications, 0);
    EXPECT_EQ(m.lastUpdate(), before) << "a failure must not postpone the next full update";
}

TEST_F(CurrencyManagerUpdate, aResultForAFormerLocalCurrencyIsDiscarded) {
    CurrencyManager& m = startWithRates(false, 0);
    m.forceUpdate();
    m.setLocalCurrency(LocalCurrency::create("GBP")); // rebuilt: EUR, USD, JPY from starting rates
    const QString euroStart = rateText(m.foreignCurrencies()[0]);
    ASSERT_TRUE(settled());
    EXPECT_EQ(m.foreignCurrencies()[0]->currencyCode(), "EUR");
    EXPECT_EQ(rateText(m.foreignCurrencies()[0]), euroStart);
    EXPECT_FALSE(m.foreignCurrencies()[0]->lastUpdate().isValid());
}

TEST_F(CurrencyManagerUpdate, applicationEventsUpdateAndSave) {
    CurrencyManager& m = startWithRates(true, 1e9);
    emit events.didFinishLaunching();
    EXPECT_TRUE(m.activeConnections().isEmpty()) << "the first update waits for the next pass of the loop";
    ASSERT_FALSE(scheduled.isEmpty());
    EXPECT_DOUBLE_EQ(scheduled[0], 0.0);
    ASSERT_TRUE(waitUntil([&] { return !server.targets().isEmpty(); }));
    ASSERT_TRUE(settled());

    emit events.significantTimeChange(); // fresh rates: only the timer
    EXPECT_TRUE(m.activeConnections().isEmpty());

    emit events.willTerminate();
    UserDefaults reread(config.preferencesPath());
    ASSERT_TRUE(reread.arrayForKey("foreignCurrenciesStandard"));
    EXPECT_EQ(
        reread.arrayForKey("foreignCurrenciesStandard")->first().toMap().value("exchangeRate").toDouble(),
        0.92);
}

TEST_F(CurrencyManagerUpdate, changesReachTheDiskSoonAfterTheFirstOneWhateverFollows) {
    CurrencyManager& m = startWithRates(false, 0);
    EXPECT_FALSE(QFileInfo::exists(config.preferencesPath())) << "starting up is not a change";
    m.removeForeignCurrencyAtIndex(2);
    // A steady stream of new rates must not keep postponing the save.
    int step = 0;
    QTimer stream;
    QObject::connect(&stream, &QTimer::timeout, [&] { m.foreignCurrencies()[1]->setRate(Decimal(++step)); });
    stream.start(CurrencyManager::kSaveDelayMs / 8);
    ASSERT_TRUE(waitUntil([&] { return QFileInfo::exists(config.preferencesPath()); },
                          CurrencyManager::kSaveDelayMs * 7 / 4));
    stream.stop();
    UserDefaults reread(config.preferencesPath());
    const QVariantList stored = *reread.arrayForKey("foreignCurrenciesStandard");
    ASSERT_EQ(stored.size(), 2);
    EXPECT_GT(stored[1].toMap().value("exchangeRate").toDouble(), 1.0);
}

TEST_F(CurrencyManagerUpdate, aLongListIsLookedUpOnceThroughABoundedQueueInListOrder) {
    const QStringList firstStarted = storeNumberedCurrencies(40).first(CurrencyManager::kMaxLookupsInFlight);
    rates.remove("C07");
    CurrencyManager& m = startWithRates(false, 0);
    qsizetype most = 0;
    QList<std::pair<qsizetype, qsizetype>> finished;
    QObject::connect(&m, &CurrencyManager::networkActivityIndicatorVisibleChanged,
                     [&] { most = std::max(most, m.activeConnections().size()); });
    QObject::connect(&m, &CurrencyManager::forcedUpdateFinished, [&](qsizetype succeeded, qsizetype failed) {
        finished.append({succeeded, failed});
    });

    m.forceUpdate();
    QStringList started;
    for (const auto& lookup : m.activeConnections())
        started << lookup->toCurrency();
    EXPECT_EQ(started, firstStarted);
    EXPECT_EQ(m.queuedLookupCount(), 40 - CurrencyManager::kMaxLookupsInFlight);
    // More presses while it runs join it: nothing is asked twice and it finishes once.
    m.forceUpdate();
    m.forceUpdate();
    EXPECT_EQ(m.queuedLookupCount(), 40 - CurrencyManager::kMaxLookupsInFlight);
    ASSERT_TRUE(settled());
    EXPECT_EQ(m.queuedLookupCount(), 0);
    EXPECT_EQ(most, CurrencyManager::kMaxLookupsInFlight);
    EXPECT_FALSE(m.networkActivityIndicatorVisible());
    EXPECT_EQ(server.targets().size(), 40);
    EXPECT_EQ(rateText(m.foreignCurrencies()[39]), "40");
    EXPECT_EQ(rateText(m.foreignCurrencies()[7]), "none");
    EXPECT_EQ(finished, (QList<std::pair<qsizetype, qsizetype>>{{39, 1}}));
}

// Against a server that takes 2 s over each answer, a forced update still gets every rate: a lookup
// waiting its turn, in the queue or behind the answers owed first on its connection, does not count
// the wait against its deadline. The deadline here is shorter than two answers take, so a clock
// started at the queue or when the request was written would fail the later ones.
TEST_F(CurrencyManagerUpdate, aForcedUpdateAgainstAServerTakingTwoSecondsPerAnswerGetsEveryRate) {
    const int count = 2 * CurrencyManager::kMaxLookupsInFlight;
    storeNumberedCurrencies(count);
    replyDelay = 2000ms;
    ASSERT_LT(replyDeadline, 2 * replyDelay);
    CurrencyManager& m = startWithRates(false, 0);
    QList<std::pair<qsizetype, qsizetype>> finished;
    QObject::connect(&m, &CurrencyManager::forcedUpdateFinished, [&](qsizetype succeeded, qsizetype failed) {
        finished.append({succeeded, failed});
    });
    m.forceUpdate();
    ASSERT_TRUE(waitUntil([&] { return !finished.isEmpty(); }, 30000));
    EXPECT_EQ(finished, (QList<std::pair<qsizetype, qsizetype>>{{count, 0}}));
    EXPECT_EQ(rateText(m.foreignCurrencies().last()), QString::number(count));
}

TEST_F(CurrencyManagerUpdate, ratesComeOnceTheNetworkIsBackAfterAnOfflineStart) {
    using Reachability = NetworkReachability;
    const auto online = rates;
    rates.clear(); // no answers: as good as offline
    CurrencyManager& m = startWithRates(true, 1e9);
    const QDateTime stale = m.lastUpdate();
    m.networkReachabilityChanged(Reachability::Disconnected);
    m.update();
    ASSERT_TRUE(settled());
    EXPECT_EQ(m.lastUpdate(), stale);

    rates = online;
    m.networkReachabilityChanged(Reachability::Site); // a network, but not the Internet yet
    EXPECT_TRUE(m.activeConnections().isEmpty());
    m.networkReachabilityChanged(Reachability::Online);
    EXPECT_EQ(m.activeConnections().size(), 3) << "the rates are stale: every one is looked up";
    ASSERT_TRUE(settled());
    EXPECT_EQ(rateText(m.foreignCurrencies()[0]), "0.92");
    m.networkReachabilityChanged(Reachability::Online); // still online: nothing came back
    EXPECT_TRUE(m.activeConnections().isEmpty());

    m.setAutomaticUpdatesEnabled(false);
    m.setLastUpdate(stale);
    m.networkReachabilityChanged(Reachability::Disconnected);
    m.networkReachabilityChanged(Reachability::Online);
    EXPECT_TRUE(m.activeConnections().isEmpty()) << "automatic updates are off";
}
