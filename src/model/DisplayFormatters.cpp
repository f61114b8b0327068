#include "DisplayFormatters.h"

#include <algorithm>
#include <array>

namespace {

const QString kShortExchangeRatePattern = QStringLiteral("###0.00000");
const QString kLongExchangeRatePattern = QStringLiteral("###0.00000#####");

std::unique_ptr<NumberFormatter> makeRateFormatter(const QString& pattern, const QString& locale) {
    auto formatter = std::make_unique<NumberFormatter>(pattern, locale);
    formatter->setLenient(false);
    return formatter;
}

constexpr int kShortFractionDigits = 5;
constexpr int kLongFractionDigits = 10;
constexpr int kSmallRateSignificantDigits = 4;

// The fraction digits a rate needs when the short form would show it as zero; none otherwise.
std::optional<int> smallRateFractionDigits(const Decimal& rate) {
    const std::optional<int> leading = rate.leadingDigitExponent();
    // The short formatter rounds halves to even, and so does this test.
    if (!leading || !rate.round({RoundingMode::Bankers, kShortFractionDigits}).isZero())
        return std::nullopt;
    return std::min(kLongFractionDigits, kSmallRateSignificantDigits - 1 - *leading);
}

QString smallRatePattern(int fractionDigits) {
    return QStringLiteral("###0.") + QString(fractionDigits, u'0');
}

} // namespace

std::unique_ptr<NumberFormatter> makeShortExchangeRateFormatter(const QString& locale) {
    return makeRateFormatter(kShortExchangeRatePattern, locale);
}

std::unique_ptr<NumberFormatter> makeLongExchangeRateFormatter(const QString& locale) {
    return makeRateFormatter(kLongExchangeRatePattern, locale);
}

std::unique_ptr<DateFormatter> makeShortUpdateDateFormatter(const QString& locale, const QString& timeZone) {
    return std::make_unique<DateFormatter>(DateFormatter::Style::Short, DateFormatter::Style::Short, locale,
                                           timeZone);
}

std::unique_ptr<DateFormatter> makeLongUpdateDateFormatter(const QString& locale, const QString& timeZone) {
    return std::make_unique<DateFormatter>(DateFormatter::Style::Short, DateFormatter::Style::Long, locale,
                                           timeZone);
}

// Function-local statics: built once, on first use, safely even from several threads.
const NumberFormatter& shortExchangeRateFormatter() {
    static const auto formatter = makeShortExchangeRateFormatter();
    return *formatter;
}

const NumberFormatter& longExchangeRateFormatter() {
    static const auto formatter = makeLongExchangeRateFormatter();
    return *formatter;
}

QString shortExchangeRateString(const Decimal& rate) {
    const std::optional<int> digits = smallRateFractionDigits(rate);
    if (!digits)
        return shortExchangeRateFormatter().stringFromDecimal(rate);
    // One shared formatter for each number of digits such a rate can need.
    static const auto formatters = [] {
        std::array<std::unique_ptr<NumberFormatter>, kLongFractionDigits + 1> made;
        for (int n = kShortFractionDigits + 1; n <= kLongFractionDigits; ++n)
            made[std::size_t(n)] = makeRateFormatter(smallRatePattern(n), {});
        return made;
    }();
    return formatters[std::size_t(*digits)]->stringFromDecimal(rate);
}

QString shortExchangeRateString(const Decimal& rate, const QString& locale) {
    const std::optional<int> digits = smallRateFractionDigits(rate);
    return makeRateFormatter(digits ? smallRatePattern(*digits) : kShortExchangeRatePattern, locale)
        ->stringFromDecimal(rate);
}

const DateFormatter& shortUpdateDateFormatter() {
    static const auto formatter = makeShortUpdateDateFormatter();
    return *formatter;
}

const DateFormatter& longUpdateDateFormatter() {
    static const auto formatter = makeLongUpdateDateFormatter();
    return *formatter;
}
