#pragma once

#include "RateSource.h"

// currency-api (CC0): about 340 codes including metals and crypto, rebuilt daily at 00:00 UTC. Its
// CDN's @latest can lag by days, which is why the file's own date counts, not the download's.
class CurrencyApiSource final : public RateSource {
public:
    QString name() const override { return QStringLiteral("CURRENCYAPI"); }
    QList<QUrl> defaultUrls() const override;
    std::optional<RateSnapshot> parse(const QByteArray& body, QString* error) const override;
    QString base() const override { return QStringLiteral("EUR"); }
    qsizetype minimumCurrencies() const override { return 150; }
    PublicationCalendar::Rule publication() const override {
        return PublicationCalendar::Rule::DailyUtcMidnight;
    }
};
