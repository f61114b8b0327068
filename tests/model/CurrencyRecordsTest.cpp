#include "ForeignCurrency.h"
#include "LocalCurrency.h"

#include <QTimeZone>
#include <gtest/gtest.h>
#include <type_traits>

// The abstract record cannot be created at all, only its two kinds.
static_assert(!std::is_constructible_v<Currency, QString>);
static_assert(!std::is_constructible_v<Currency>);

TEST(CurrencyRecords, aDictionaryWithOnlyTheCodeGivesAnEmptyForeignRecord) {
    const auto record = ForeignCurrency::fromDictionary({{kCurrencyCodeKey, "EUR"}});
    EXPECT_EQ(record->currencyCode(), "EUR");
    EXPECT_TRUE(record->label().isNull());
    EXPECT_FALSE(record->rate());
    EXPECT_FALSE(record->lastUpdate().isValid());
    EXPECT_EQ(record->dictionary(), QVariantMap({{kCurrencyCodeKey, "EUR"}}));
}

TEST(CurrencyRecords, aLocalRecordKeepsOnlyTheCode) {
    const auto local =
        LocalCurrency::fromDictionary({{kCurrencyCodeKey, "GBP"}, {kLabelKey, "British Pound"}});
    EXPECT_EQ(local->currencyCode(), "GBP");
    EXPECT_TRUE(local->label().isEmpty());
    EXPECT_EQ(local->dictionary(), QVariantMap({{kCurrencyCodeKey, "GBP"}}));
}

TEST(CurrencyRecords, foreignRecordsSurviveTheirDictionaryForm) {
    const QDateTime when(QDate(2026, 12, 7), QTime(9, 15, 30, 500), QTimeZone::utc());
    const auto record = ForeignCurrency::create("JPY");
    record->setLabel("Japanese Yen");
    record->setRate(Decimal::fromString("156.0423456789"));
    record->setLastUpdate(when);
    const QVariantMap dictionary = record->dictionary();
    EXPECT_EQ(dictionary.value(kExchangeRateKey).typeId(), QMetaType::Double);
    const auto back = ForeignCurrency::fromDictionary(dictionary);
    EXPECT_EQ(back->currencyCode(), "JPY");
    EXPECT_EQ(back->label(), "Japanese Yen");
    EXPECT_EQ(back->rate()->toString(), "156.0423456789");
    EXPECT_EQ(back->lastUpdate(), when);

    // Whole rates are stored as integers; an absent rate stays absent.
    record->setRate(Decimal(2));
    EXPECT_EQ(record->dictionary().value(kExchangeRateKey).typeId(), QMetaType::LongLong);
    record->setRate(std::nullopt);
    EXPECT_FALSE(record->dictionary().contains(kExchangeRateKey));
    EXPECT_FALSE(ForeignCurrency::fromDictionary(record->dictionary())->rate());
}

TEST(CurrencyRecords, valuesOfTheWrongTypeAreLeftAbsent) {
    const auto record = ForeignCurrency::fromDictionary({{kCurrencyCodeKey, 42},
                                                         {kLabelKey, QVariantList{}},
                                                         {kExchangeRateKey, "1.5"},
                                                         {kLastUpdateKey, 30.0}});
    EXPECT_TRUE(record->currencyCode().isEmpty());
    EXPECT_TRUE(record->label().isEmpty());
    EXPECT_FALSE(record->rate());
    EXPECT_FALSE(record->lastUpdate().isValid());
    EXPECT_FALSE(ForeignCurrency::rateFromValue(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(ForeignCurrency::rateFromValue(true));
    EXPECT_EQ(ForeignCurrency::rateFromValue(QVariant::fromValue(Decimal(3)))->toString(), "3");
}

TEST(CurrencyRecords, listsOfDictionariesKeepTheirOrder) {
    const auto list = ForeignCurrency::foreignCurrencyWithDictionaries(
        {QVariantMap{{kCurrencyCodeKey, "EUR"}}, "not a dictionary", QVariantMap{{kCurrencyCodeKey, "GBP"}},
         QVariantMap{{kCurrencyCodeKey, "EUR"}}});
    ASSERT_EQ(list.size(), 3);
    EXPECT_EQ(list[0]->currencyCode(), "EUR");
    EXPECT_EQ(list[1]->currencyCode(), "GBP");
    EXPECT_NE(list[0], list[2]) << "two records of one code are still two records";
    EXPECT_TRUE(ForeignCurrency::foreignCurrencyWithDictionaries({}).isEmpty());
}

TEST(CurrencyRecords, everySetNotifiesEvenWithTheSameValue) {
    const auto record = ForeignCurrency::create("EUR");
    int rateCalls = 0;
    QObject::connect(record.get(), &ForeignCurrency::rateChanged, [&] { ++rateCalls; });
    record->setRate(Decimal(1));
    record->setRate(Decimal(1));
    EXPECT_EQ(rateCalls, 2);
}
