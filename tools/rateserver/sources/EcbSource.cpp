#include "EcbSource.h"

#include "EcbParser.h"

QList<QUrl> EcbSource::defaultUrls() const {
    return {QUrl(QStringLiteral("https://www.ecb.europa.eu/stats/eurofxref/eurofxref-daily.xml"))};
}

std::optional<RateSnapshot> EcbSource::parse(const QByteArray& body, QString* error) const {
    return EcbParser::parse(body, error);
}
