#include "CurrencyPreferences.h"

#include "ForeignCurrency.h"
#include "PropertyList.h"
#include "TempConfig.h"
#include "UserDefaults.h"

#include <QTimeZone>
#include <gtest/gtest.h>

namespace {

struct Store {
    TempConfig config;
    UserDefaults defaults{config.preferencesPath()};
    CurrencyPreferences preferences{defaults};
};

} // namespace

TEST(CurrencyPreferences, aFreshInstallationReadsTheRegisteredDefaults) {
    Store s;
    s.defaults.registerDefaults(
        {{"localCurrency", QVariantMap{{"currencyCode", "USD"}}}, {"automaticUpdatesEnabled", true}});
    EXPECT_TRUE(s.preferences.automaticUpdatesEnabled());
    EXPECT_EQ(s.preferences.localCurrency()->value("currencyCode").toString(), "USD");
    EXPECT_FALSE(s.preferences.foreignCurrencies());
    EXPECT_EQ(s.preferences.foreignCurrencyIndex(), 0);
    EXPECT_EQ(s.preferences.lastUpdate(), QDateTime(QDate(2001, 1, 1), QTime(0, 0), QTimeZone::utc()));
}

TEST(CurrencyPreferences, theLastUpdateIsStoredAsSecondsSince2001) {
    Store s;
    s.preferences.setLastUpdate(QDateTime(QDate(2001, 1, 1), QTime(0, 0, 30), QTimeZone::utc()));
    const QVariant raw = s.defaults.objectForKey(kLastUpdateKey);
    EXPECT_EQ(raw.typeId(), QMetaType::Double);
    EXPECT_EQ(raw.toDouble(), 30.0);
    EXPECT_EQ(s.preferences.lastUpdate(), CurrencyPreferences::referenceDate().addSecs(30));

    const QDateTime now(QDate(2026, 12, 7), QTime(20, 1, 10, 125), QTimeZone::utc());
    s.preferences.setLastUpdate(now);
    EXPECT_EQ(s.preferences.lastUpdate(), now);
    // Some other program may have left a string or a huge number there.
    s.defaults.setObject(kLastUpdateKey, "soon");
    EXPECT_EQ(s.preferences.lastUpdate(), CurrencyPreferences::referenceDate());
    s.defaults.setObject(kLastUpdateKey, 1e300);
    EXPECT_EQ(s.preferences.lastUpdate(), CurrencyPreferences::referenceDate());
}

TEST(CurrencyPreferences, settingNothingRemovesTheKeyAndTheDefaultAnswersAgain) {
    Store s;
    s.defaults.registerDefaults({{"localCurrency", QVariantMap{{"currencyCode", "USD"}}}});
    s.preferences.setLocalCurrency(QVariantMap{{"currencyCode", "EUR"}});
    s.preferences.setForeignCurrencies(QVariantList{QVariantMap{{"currencyCode", "GBP"}}});
    EXPECT_EQ(s.preferences.localCurrency()->value("currencyCode").toString(), "EUR");
    s.preferences.setLocalCurrency(std::nullopt);
    s.preferences.setForeignCurrencies(std::nullopt);
    EXPECT_EQ(s.preferences.localCurrency()->value("currencyCode").toString(), "USD");
    EXPECT_FALSE(s.preferences.foreignCurrencies());
}

TEST(CurrencyPreferences, wrongTypesReadAsAbsentOrByConversion) {
    Store s;
    s.defaults.setObject("localCurrency", "USD");
    s.defaults.setObject("foreignCurrenciesStandard", QVariantMap{{"currencyCode", "EUR"}});
    s.defaults.setObject("foreignCurrencyIndex", "7");
    s.defaults.setObject("automaticUpdatesEnabled", "YES");
    EXPECT_FALSE(s.preferences.localCurrency());
    EXPECT_FALSE(s.preferences.foreignCurrencies());
    EXPECT_EQ(s.preferences.foreignCurrencyIndex(), 7);
    EXPECT_TRUE(s.preferences.automaticUpdatesEnabled());
    s.defaults.setObject("foreignCurrencyIndex", QVariant::fromValue<qint64>(1LL << 40));
    EXPECT_EQ(s.preferences.foreignCurrencyIndex(), std::numeric_limits<int>::max());
}

TEST(CurrencyPreferences, aRecordWithoutRateIsStoredWithoutExchangeRate) {
    Store s;
    const auto first = ForeignCurrency::create("EUR");
    first->setRate(Decimal::fromString("0.9"));
    const auto second = ForeignCurrency::create("GBP");
    s.preferences.setForeignCurrencies(QVariantList{first->dictionary(), second->dictionary()});
    ASSERT_TRUE(s.defaults.synchronize());
    const QVariantList stored = PropertyList::readFile(s.config.preferencesPath())
                                    .value.toMap()
                                    .value("foreignCurrenciesStandard")
                                    .toList();
    ASSERT_EQ(stored.size(), 2);
    EXPECT_EQ(stored[0].toMap().value("exchangeRate").toDouble(), 0.9);
    EXPECT_FALSE(stored[1].toMap().contains("exchangeRate"));
}
