#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// One HTTP answer of the rate service: a status, a content type, the headers that say how old it
// is and how long it may be kept, and a body.
struct RateReply {
    static constexpr int kSignificantDigits = 10;

    int status = 200;
    QByteArray contentType;
    QList<QPair<QByteArray, QByteArray>> headers;
    QByteArray body;

    QByteArray header(QByteArrayView name) const;

    // 200 with the XML document the app parses: an XML declaration, then one <double> element in
    // the service's namespace.
    static RateReply value(double value, const QString& namespaceHost);
    // 500 with a plain-text message, as an ASP.NET web service fails on a request it cannot serve,
    // or another status; never to be stored by a cache.
    static RateReply failure(const QString& message, int status = 500);

    // Plain decimal with up to kSignificantDigits significant digits: "." as separator, no
    // exponent, no grouping, no trailing zeros ("157.4772933", "0.0000123456789", "1234567891").
    // Independent of the process locale. Not meant for infinities or NaN (gives an empty array).
    static QByteArray formatValue(double value);
};
