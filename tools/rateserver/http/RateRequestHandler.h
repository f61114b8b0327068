#pragma once

#include "RateBook.h"
#include "RateReply.h"

#include <QByteArrayView>
#include <QDateTime>
#include <QUrl>

// The one operation of the currency web service:
//   GET /webservice/CurrencyServerWebService.asmx/getCurrencyValue
//       ?provider=AVERAGE&srcCurrency=X&dstCurrency=Y
// answered from the rate book. A rate carries its age (Last-Modified), how long it may be kept
// (Cache-Control, up to the next expected publication), an ETag and the pair it answers
// (X-Rate-Pair); a pair that no fresh source quotes is a 503 with Retry-After. Anything else, down
// to an extra or repeated query parameter, is refused with a text that never contains the XML
// element the app looks for, and is never to be cached.
class RateRequestHandler final {
public:
    static constexpr QStringView kPath = u"/webservice/CurrencyServerWebService.asmx/getCurrencyValue";
    static constexpr auto kAllow = "GET, HEAD";
    // How long a cacheable answer may be kept when no publication time is known.
    static constexpr qint64 kDefaultMaxAgeSeconds = 3600;
    // How soon a client may retry when nothing fresh is known and no publication is expected.
    static constexpr qint64 kDefaultRetryAfterSeconds = 600;

    RateRequestHandler(const RateBook& book, QString namespaceHost)
        : m_book(book), m_namespaceHost(std::move(namespaceHost)) {}

    const QString& namespaceHost() const { return m_namespaceHost; }

    // `method` is the upper-case HTTP method name; HEAD is answered like GET (the caller leaves out
    // the body). `ifNoneMatch` is the request's If-None-Match header, if any.
    RateReply answer(QByteArrayView method, const QUrl& url, const QDateTime& now,
                     QByteArrayView ifNoneMatch = {}) const;

    // An HTTP-date (RFC 9110), independent of the process locale.
    static QByteArray httpDate(const QDateTime& time);

private:
    const RateBook& m_book;
    QString m_namespaceHost;
};
