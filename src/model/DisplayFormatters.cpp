#include "DisplayFormatters.h"

namespace {

const QString kShortExchangeRatePattern = QStringLiteral("###0.00000");
const QString kLongExchangeRatePattern = QStringLiteral("###0.00000#####");

std::unique_ptr<NumberFormatter> makeRateFormatter(const QString& pattern, const QString& locale) {
    auto formatter = std::make_unique<NumberFormatter>(pattern, locale);
    formatter->setLenient(false);
    return formatter;
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

const DateFormatter& shortUpdateDateFormatter() {
    static const auto formatter = makeShortUpdateDateFormatter();
    return *formatter;
}

const DateFormatter& longUpdateDateFormatter() {
    static const auto formatter = makeLongUpdateDateFormatter();
    return *formatter;
}
