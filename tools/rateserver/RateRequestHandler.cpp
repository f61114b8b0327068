#include "RateRequestHandler.h"

#include <QStringList>
#include <algorithm>
#include <array>
#include <cmath>

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

RateReply RateRequestHandler::answer(QByteArrayView method, const QUrl& url) const {
    const QString path = url.path(QUrl::FullyDecoded);
    if (path != kPath) {
        const QString ending = path.mid(path.lastIndexOf(u'/'));
        return RateReply::failure(QStringLiteral("System.InvalidOperationException: Request format is "
                                                 "unrecognized for URL unexpectedly ending in %1.")
                                      .arg(quoted(ending)));
    }
    if (method != "GET")
        return RateReply::failure(QStringLiteral("System.InvalidOperationException: Request method %1 is "
                                                 "not supported; use GET.")
                                      .arg(quoted(QString::fromLatin1(method))));

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
    if (provider != kProvider)
        return RateReply::failure(
            QStringLiteral("System.ArgumentException: Unknown rate provider %1.").arg(quoted(provider)));
    for (const QString* code : {&src, &dst}) {
        if (!m_table.contains(*code))
            return RateReply::failure(
                QStringLiteral("System.ArgumentException: Unknown currency code %1.").arg(quoted(*code)));
    }
    const double value = *m_table.convert(src, dst);
    // Only absurd tables get here (a quotient beyond the range of double).
    if (!std::isfinite(value) || value == 0)
        return RateReply::failure(
            QStringLiteral("System.OverflowException: The rate from %1 to %2 is out of range.")
                .arg(src, dst));
    return RateReply::value(value, m_namespaceHost);
}
