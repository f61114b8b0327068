#pragma once

#include "DateFormatter.h"
#include "NumberFormatter.h"

#include <QString>
#include <memory>

// The formatters the screens show rates and update times with. Each shared one is built on first use
// in the process's locale and time zone and kept as it is for the life of the process.

// Exactly five fraction digits, no grouping: "2.00000".
const NumberFormatter& shortExchangeRateFormatter();
// Five to ten fraction digits, no grouping: "0.50000", "1.2345678901".
const NumberFormatter& longExchangeRateFormatter();
// Short date, short time.
const DateFormatter& shortUpdateDateFormatter();
// Short date, long time.
const DateFormatter& longUpdateDateFormatter();

// A rate as the list shows it: through the short formatter wherever that shows at least one
// significant digit; a smaller rate (1 rial in dollars) gets the fraction digits of four significant
// figures, at most the long formatter's ten, rather than reading as 0.00000.
QString shortExchangeRateString(const Decimal& rate);
// The same in an explicit ICU locale, with formatters made for the call.
QString shortExchangeRateString(const Decimal& rate, const QString& locale);

// The same formatters for an explicit locale and time zone (empty means the process's own); the
// shared ones above are these with the defaults.
std::unique_ptr<NumberFormatter> makeShortExchangeRateFormatter(const QString& locale = {});
std::unique_ptr<NumberFormatter> makeLongExchangeRateFormatter(const QString& locale = {});
std::unique_ptr<DateFormatter> makeShortUpdateDateFormatter(const QString& locale = {},
                                                            const QString& timeZone = {});
std::unique_ptr<DateFormatter> makeLongUpdateDateFormatter(const QString& locale = {},
                                                           const QString& timeZone = {});
