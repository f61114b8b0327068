#include "RateRequestHandler.h"

#include <QStringList>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace {

constexpr std::array<QStringView, 3> kParameters = {u"provider", u"srcCurrency", u"dstCurrency"};

// Client text echoed in an error message: harmless characters only, and bounded, so that no
// request can make an error body look like a value ("<double") or flood the log.
QString quoted(const QString& text) {
    constexpr qsizetype kMaxEcho = 40;
    QString safe;
    for (const QChar c : text.left(kMaxEcho)) {
        const bool plain = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
                           c == u'.' || c == u'_' || c == u'-' || c == u'/';
        safe += plain ? c : QChar(u'?');
    }
    if (text.size() > kMaxEcho)
        safe += QStringLiteral("...");
    return u'\'' + safe + u'\'';
}

} // namespace

RateReply RateRequestHandler::answer(QByteArrayView method, const QUrl& url, const QDateTime& now,
                                     QByteArrayView ifNoneMatch) const {
    const QString path = url.path(QUrl::FullyDecoded);
    if (path != kPath) {
        const QString ending = path.mid(path.lastIndexOf(u'/'));
        return RateReply::failure(QStringLiteral("System.InvalidOperationException: Request format is "
                                                 "unrecognized for URL unexpectedly ending in %1.")
                                      .arg(quoted(ending)));
    }
    if (method != "GET" && method != "HEAD") {
        RateReply reply = RateReply::failure(QStringLiteral("System.InvalidOperationException: Request "
                                                            "method %1 is not supported; use GET.")
                                                 .arg(quoted(QString::fromLatin1(method))),
                                             405);
        reply.headers.append({QByteArrayLiteral("Allow"), QByteArray(kAllow)});
        return reply;
    }

    // Split by hand so that an empty or value-less item ("a=1&&b=2", "a") is refused, not skipped.
    std::array<std::optional<QString>, kParameters.size()> values;
    const QString query = url.query(QUrl::FullyEncoded);
    for (const QString& item : query.isEmpty() ? QStringList() : query.split(u'&')) {
        const qsizetype equals = item.indexOf(u'=');
        if (equals <= 0)
            return RateReply::failure(
                QStringLiteral("System.InvalidOperationException: Malformed query item %1.")
                    .arg(quoted(item)));
        const QString name = QUrl::fromPercentEncoding(item.left(equals).toUtf8());
        const QString value = QUrl::fromPercentEncoding(item.mid(equals + 1).toUtf8());
        const auto known = std::find(kParameters.begin(), kParameters.end(), name);
        if (known == kParameters.end())
            return RateReply::failure(
                QStringLiteral("System.InvalidOperationException: Unexpected parameter: %1.")
                    .arg(quoted(name)));
        auto& slot = values[static_cast<std::size_t>(known - kParameters.begin())];
        if (slot)
            return RateReply::failure(
                QStringLiteral("System.InvalidOperationException: Repeated parameter: %1.").arg(name));
        slot = value;
    }
    for (std::size_t i = 0; i < kParameters.size(); ++i) {
        if (!values[i])
            return RateReply::failure(
                QStringLiteral("System.InvalidOperationException: Missing parameter: %1.")
                    .arg(kParameters[i]));
    }

    const QString& provider = *values[0];
    const QString& src = *values[1];
    const QString& dst = *values[2];
    const RateBook::Quote quote = m_book.quote(provider, src, dst, now.toUTC().date());
    switch (quote.outcome) {
    case RateBook::Outcome::UnknownProvider:
        return RateReply::failure(
            QStringLiteral("System.ArgumentException: Unknown rate provider %1; use %2.")
                .arg(quoted(provider),
                     (QStringList{RateBook::kAverage.toString()} + m_book.sources()).join(u", ")),
            400);
    case RateBook::Outcome::UnknownCode:
        return RateReply::failure(QStringLiteral("System.ArgumentException: Unknown currency code in %1 %2.")
                                      .arg(quoted(src), quoted(dst)));
    case RateBook::Outcome::NoFreshSource: {
        RateReply reply = RateReply::failure(
            QStringLiteral(
                "System.InvalidOperationException: No rate of %1 in %2 newer than %3 days is known.")
                .arg(quoted(dst), quoted(src))
                .arg(m_book.maxAgeDays()),
            503);
        const QDateTime next = m_book.nextPublication(m_book.sources());
        const qint64 wait =
            next.isValid() ? std::clamp<qint64>(now.secsTo(next), 60, 6 * 3600) : kDefaultRetryAfterSeconds;
        reply.headers.append({QByteArrayLiteral("Retry-After"), QByteArray::number(wait)});
        return reply;
    }
    case RateBook::Outcome::Rate:
        break;
    }
    // Only absurd tables get here (a quotient beyond the range of double).
    if (!std::isfinite(quote.value) || quote.value == 0)
        return RateReply::failure(
            QStringLiteral("System.OverflowException: The rate from %1 to %2 is out of range.")
                .arg(quoted(src), quoted(dst)));

    RateReply reply = RateReply::value(quote.value, m_namespaceHost);
    const QByteArray etag = '"' + QByteArray::number(qHash(reply.body, 0), 16) + '"';
    const QDateTime next = m_book.nextPublication(quote.sources);
    const qint64 maxAge = next.isValid() ? std::max<qint64>(now.secsTo(next), 0) : kDefaultMaxAgeSeconds;
    // When the data was published, and never later than now (a source's clock or calendar may be off).
    reply.headers.append(
        {QByteArrayLiteral("Last-Modified"), httpDate(std::min(quote.published, now.toUTC()))});
    reply.headers.append(
        {QByteArrayLiteral("Cache-Control"), "public, max-age=" + QByteArray::number(maxAge)});
    reply.headers.append({QByteArrayLiteral("ETag"), etag});
    reply.headers.append({QByteArrayLiteral("X-Rate-Pair"), src.toUtf8() + ' ' + dst.toUtf8()});
    if (!ifNoneMatch.isEmpty()) {
        const QList<QByteArray> tags = ifNoneMatch.toByteArray().split(',');
        const bool matches = std::any_of(tags.begin(), tags.end(), [&](const QByteArray& tag) {
            const QByteArray trimmed = tag.trimmed();
            return trimmed == "*" || trimmed == etag || trimmed == "W/" + etag;
        });
        if (matches) {
            reply.status = 304;
            reply.body.clear();
        }
    }
    return reply;
}

QByteArray RateRequestHandler::httpDate(const QDateTime& time) {
    static constexpr std::array<const char*, 7> kDays = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    static constexpr std::array<const char*, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const QDateTime utc = time.toUTC();
    const QDate date = utc.date();
    const QTime clock = utc.time();
    char text[32];
    std::snprintf(text, sizeof text, "%s, %02d %s %04d %02d:%02d:%02d GMT", kDays[date.dayOfWeek() - 1],
                  date.day(), kMonths[date.month() - 1], date.year(), clock.hour(), clock.minute(),
                  clock.second());
    return QByteArray(text);
}
