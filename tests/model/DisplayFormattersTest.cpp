#include "DisplayFormatters.h"

#include "LocalFigures.h"
#include "ServiceNumberFormatter.h"

#include <gtest/gtest.h>

namespace {

Decimal d(const char* text) {
    return Decimal::fromString(QString::fromLatin1(text));
}

// 7 December 2026, 20:00 UTC.
const QDateTime kInstant(QDate(2026, 12, 7), QTime(20, 0), Qt::UTC);

} // namespace

TEST(DisplayFormatters, areBuiltOnceAndShared) {
    EXPECT_EQ(&shortExchangeRateFormatter(), &shortExchangeRateFormatter());
    EXPECT_EQ(&longExchangeRateFormatter(), &longExchangeRateFormatter());
    EXPECT_EQ(&shortUpdateDateFormatter(), &shortUpdateDateFormatter());
    EXPECT_EQ(&longUpdateDateFormatter(), &longUpdateDateFormatter());
    EXPECT_EQ(&exchangeRateFormatter(), &exchangeRateFormatter());
    EXPECT_EQ(longUpdateDateFormatter().stringFromDate(kInstant),
              makeLongUpdateDateFormatter()->stringFromDate(kInstant));
}

TEST(DisplayFormatters, rateFormattersKeepTheirFractionDigitsInEveryLocale) {
    for (const char* locale : {"en_US", "de_DE"}) {
        const auto shortRate = makeShortExchangeRateFormatter(locale);
        const auto longRate = makeLongExchangeRateFormatter(locale);
        const QString point = shortRate->decimalSeparator();
        auto expected = [&](const char* text) { return QString::fromLatin1(text).replace(".", point); };
        EXPECT_EQ(shortRate->stringFromDecimal(2), expected("2.00000")) << locale;
        EXPECT_EQ(shortRate->stringFromDecimal(d("0.123456")), expected("0.12346")) << locale;
        EXPECT_EQ(shortRate->stringFromDecimal(d("0.000025")), expected("0.00002")) << locale;
        EXPECT_EQ(shortRate->stringFromDecimal(d("1234567.5")), expected("1234567.50000")) << locale;
        EXPECT_EQ(longRate->stringFromDecimal(d("0.5")), expected("0.50000")) << locale;
        EXPECT_EQ(longRate->stringFromDecimal(d("1.23456789012")), expected("1.2345678901")) << locale;
        EXPECT_EQ(longRate->stringFromDecimal(d("0.0001234567891")), expected("0.0001234568")) << locale;
        EXPECT_EQ(longRate->stringFromDecimal(d("1234567.5")), expected("1234567.50000")) << locale;
    }
    EXPECT_EQ(makeShortExchangeRateFormatter("de_DE")->stringFromDecimal(d("1.5")), "1,50000");

    // The list keeps the five digits wherever they show a significant one; a smaller rate (a dollar
    // in rials, gold) shows four significant figures, within the long form's ten fraction digits.
    const std::pair<const char*, const char*> listed[] = {
        {"2", "2.00000"},
        {"0.0000051", "0.00001"},
        {"0.000005", "0.000005000"}, // rounds to even, to 0.00000
        {"0.00000072727", "0.0000007273"},
        {"0.0000000727", "0.0000000727"},
        {"0.00000000001", "0.0000000000"},
    };
    for (const auto& [rate, shown] : listed) {
        EXPECT_EQ(shortExchangeRateString(d(rate), "de_DE"), QString::fromLatin1(shown).replace(".", ","));
        EXPECT_EQ(shortExchangeRateString(d(rate)), local(shown)); // the shared formatters
    }
    EXPECT_FALSE(makeLongExchangeRateFormatter("de_DE")->decimalFromString("1.5"));
}

TEST(DisplayFormatters, updateDatesUseShortDateWithShortOrLongTime) {
    EXPECT_EQ(makeShortUpdateDateFormatter("de_DE", "Europe/Berlin")->stringFromDate(kInstant),
              "07.12.26, 21:00");
    EXPECT_EQ(makeLongUpdateDateFormatter("de_DE", "Europe/Berlin")->stringFromDate(kInstant),
              "07.12.26, 21:00:00 MEZ");
    EXPECT_EQ(makeShortUpdateDateFormatter("en_US", "America/New_York")->stringFromDate(kInstant),
              QString::fromUtf8("12/7/26, 3:00\u202FPM"));
}

TEST(ServiceNumberFormatter, readsPointDecimalsWhateverTheLocale) {
    const auto formatter = makeExchangeRateFormatter(QStringLiteral("de_DE"));

    EXPECT_EQ(formatter->decimalFromString("1.2345"), d("1.2345"));
    EXPECT_EQ(formatter->decimalFromString("0.5"), d("0.5"));
    EXPECT_EQ(formatter->decimalFromString("0.1").value_or(Decimal::notANumber()).toString(), "0.1");
    for (const char* text : {"1,234.5", "1'234.5", "1,5", "", "abc", "1.5x", " 1"})
        EXPECT_FALSE(formatter->decimalFromString(QString::fromLatin1(text))) << text;
}
