#pragma once

#include "RateSource.h"

// The European Central Bank's euro reference rates: about 30 currencies on TARGET working days.
class EcbSource final : public RateSource {
public:
    QString name() const override { return QStringLiteral("ECB"); }
    QList<QUrl> defaultUrls() const override;
    std::optional<RateSnapshot> parse(const QByteArray& body, QString* error) const override;
    QString base() const override { return QStringLiteral("EUR"); }
    qsizetype minimumCurrencies() const override { return 20; }
    PublicationCalendar::Rule publication() const override {
        return PublicationCalendar::Rule::EcbWorkingDays;
    }
};
