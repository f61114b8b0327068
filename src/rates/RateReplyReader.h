#pragma once

#include "Decimal.h"

#include <QByteArray>
#include <QString>
#include <optional>

// Reads the rate out of one reply body of the rate service: the text between
// `<double xmlns="http://HOST/webservices/CurrencyServer">` and the next `</double>`.
class RateReplyReader final {
public:
    // One number is a few dozen bytes; anything this large is not a rate reply.
    static constexpr qsizetype kMaxBodySize = 64 * 1024;
    // No real rate needs more characters; longer texts are refused before parsing.
    static constexpr qsizetype kMaxNumberLength = 64;
    // Characters of the body shown in the "Open tag not found: " and "Close tag not found: " lines.
    static constexpr qsizetype kMaxLoggedLength = 300;

    explicit RateReplyReader(const QString& namespaceHost);

    // The rate, or nothing when the body holds no plain ASCII decimal number within the range
    // below. A missing tag is logged with an excerpt of the body.
    std::optional<Decimal> read(const QByteArray& body) const;

    // The extreme real pair of the catalogue, an ounce of gold in Iranian rials, is about 5.7e9 and
    // its inverse 1.8e-10; these bounds leave two orders of magnitude for inflation and metal prices
    // while refusing values that no currency pair has.
    static Decimal minimumRate();
    static Decimal maximumRate();

    // `text` cut to kMaxLoggedLength characters with control and format characters escaped, so that
    // a hostile body can neither flood the log nor forge lines in it.
    static QString logExcerpt(const QString& text);

private:
    QString m_openTag;
};
