#include "CurrencyApiSource.h"

#include "CurrencyApiParser.h"

QList<QUrl> CurrencyApiSource::defaultUrls() const {
    return {QUrl(QStringLiteral(
                "https://cdn.jsdelivr.net/npm/@fawazahmed0/currency-api@latest/v1/currencies/eur.json")),
            QUrl(QStringLiteral("https://latest.currency-api.pages.dev/v1/currencies/eur.json"))};
}

std::optional<RateSnapshot> CurrencyApiSource::parse(const QByteArray& body, QString* error) const {
    return CurrencyApiParser::parse(body, error);
}
