#include "RateReplyReader.h"

#include "LogCategories.h"
#include "ServiceNumberFormatter.h"

#include <QDebug>
#include <QStringDecoder>

namespace {

// Digits, optionally followed by "." and more digits: no sign, exponent, blank, grouping or
// non-ASCII digit, which the locale-aware formatter would otherwise read.
bool isPlainDecimal(QStringView text) {
    qsizetype i = 0;
    const auto digits = [&] {
        const qsizetype first = i;
        while (i < text.size() && text[i] >= u'0' && text[i] <= u'9')
            ++i;
        return i > first;
    };
    if (!digits())
        return false;
    if (i == text.size())
        return true;
    if (text[i] != u'.')
        return false;
    ++i;
    return digits() && i == text.size();
}

} // namespace

RateReplyReader::RateReplyReader(const QString& namespaceHost)
    : m_openTag(
          QStringLiteral("<double xmlns=\"http://%1/webservices/CurrencyServer\">").arg(namespaceHost)) {}

Decimal RateReplyReader::minimumRate() {
    return Decimal::fromString(QStringLiteral("0.000000000001"));
}

Decimal RateReplyReader::maximumRate() {
    return Decimal::fromInteger(1'000'000'000'000);
}

std::optional<Decimal> RateReplyReader::read(const QByteArray& body) const {
    if (body.size() > kMaxBodySize)
        return std::nullopt;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(body);
    if (decoder.hasError())
        text.clear(); // not UTF-8: as good as a body without the tag

    const qsizetype open = text.indexOf(m_openTag);
    if (open < 0) {
        qCInfo(lcRates).noquote() << QStringLiteral("Open tag not found: ") + logExcerpt(text);
        return std::nullopt;
    }
    const qsizetype start = open + m_openTag.size();
    const qsizetype close = text.indexOf(QStringLiteral("</double>"), start);
    if (close < 0) {
        qCInfo(lcRates).noquote() << QStringLiteral("Close tag not found: ") + logExcerpt(text);
        return std::nullopt;
    }
    const QStringView number = QStringView(text).mid(start, close - start);
    if (number.size() > kMaxNumberLength || !isPlainDecimal(number))
        return std::nullopt;
    const auto value = exchangeRateFormatter().decimalFromString(number.toString());
    if (!value || value->isNaN() || *value < minimumRate() || *value > maximumRate())
        return std::nullopt;
    return value;
}

QString RateReplyReader::logExcerpt(const QString& text) {
    QString excerpt;
    qsizetype taken = 0;
    // Each kept character takes at most two UTF-16 units; one more tells whether anything is left.
    for (const char32_t c : QStringView(text).left(2 * kMaxLoggedLength + 1).toUcs4()) {
        if (taken == kMaxLoggedLength)
            return excerpt + u'…';
        ++taken;
        const auto category = QChar::category(c);
        if (category == QChar::Other_Control || category == QChar::Other_Format ||
            category == QChar::Separator_Line || category == QChar::Separator_Paragraph) {
            switch (c) {
            case u'\n':
                excerpt += QStringLiteral("\\n");
                break;
            case u'\r':
                excerpt += QStringLiteral("\\r");
                break;
            case u'\t':
                excerpt += QStringLiteral("\\t");
                break;
            default:
                excerpt += QStringLiteral("\\u{%1}").arg(static_cast<uint>(c), 4, 16, QChar(u'0'));
            }
        } else {
            excerpt += QString::fromUcs4(&c, 1);
        }
    }
    return excerpt;
}
