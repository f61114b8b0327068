#include "ServiceNumberFormatter.h"

std::unique_ptr<NumberFormatter> makeExchangeRateFormatter(const QString& locale) {
    auto formatter = std::make_unique<NumberFormatter>(QStringLiteral("###0.00000#####"), locale);
    formatter->setLenient(false);
    formatter->setDecimalSeparator(QStringLiteral("."));
    // A separator that never occurs in the replies, and unused, so that "1,234" is refused rather than
    // read as a thousand or as a fraction.
    formatter->setGroupingSeparator(QStringLiteral("'"));
    formatter->setGroupingUsed(false);
    return formatter;
}

const NumberFormatter& exchangeRateFormatter() {
    static const auto formatter = makeExchangeRateFormatter();
    return *formatter;
}
