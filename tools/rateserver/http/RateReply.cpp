#include "RateReply.h"

#include <charconv>
#include <cmath>
#include <string>

RateReply RateReply::value(double value, const QString& namespaceHost) {
    RateReply reply;
    reply.contentType = QByteArrayLiteral("text/xml; charset=utf-8");
    reply.body = QByteArrayLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<double xmlns=\"http://") +
                 namespaceHost.toHtmlEscaped().toUtf8() +
                 QByteArrayLiteral("/webservices/CurrencyServer\">") + formatValue(value) +
                 QByteArrayLiteral("</double>");
    return reply;
}

RateReply RateReply::failure(const QString& message, int status) {
    RateReply reply;
    reply.status = status;
    reply.contentType = QByteArrayLiteral("text/plain; charset=utf-8");
    reply.headers.append({QByteArrayLiteral("Cache-Control"), QByteArrayLiteral("no-store")});
    reply.body = message.toUtf8();
    return reply;
}

QByteArray RateReply::header(QByteArrayView name) const {
    for (const auto& [key, value] : headers) {
        if (name.compare(key, Qt::CaseInsensitive) == 0)
            return value;
    }
    return {};
}

QByteArray RateReply::formatValue(double value) {
    if (!std::isfinite(value))
        return {};
    if (value == 0)
        return QByteArrayLiteral("0");

    // Scientific notation does the rounding to significant digits (carries included, 9.99999999996
    // becomes 1.000000000e+01); std::to_chars ignores the locale, unlike printf.
    char buffer[40];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                         std::chars_format::scientific, kSignificantDigits - 1);
    if (ec != std::errc())
        return {};
    const std::string_view scientific(buffer, end);
    const std::size_t e = scientific.find('e');
    std::string digits = std::string(1, scientific[0]) + std::string(scientific.substr(2, e - 2));
    std::string_view exponentText = scientific.substr(e + 1);
    if (exponentText.front() == '+')
        exponentText.remove_prefix(1);
    int exponent = 0;
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);

    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    const auto integerDigits = static_cast<std::ptrdiff_t>(exponent) + 1;
    const auto digitCount = static_cast<std::ptrdiff_t>(digits.size());
    std::string text = value < 0 ? "-" : "";
    if (integerDigits <= 0)
        text += "0." + std::string(static_cast<std::size_t>(-integerDigits), '0') + digits;
    else if (integerDigits >= digitCount)
        text += digits + std::string(static_cast<std::size_t>(integerDigits - digitCount), '0');
    else
        text += digits.substr(0, static_cast<std::size_t>(integerDigits)) + '.' +
                digits.substr(static_cast<std::size_t>(integerDigits));
    return QByteArray::fromStdString(text);
}
