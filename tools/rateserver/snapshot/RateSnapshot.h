#pragma once

#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QString>

// One source's rates as it published them: what the cache stores and the rate book answers from.
struct RateSnapshot {
    QString source; // provider name: "ECB", "CURRENCYAPI"
    QDate date;     // the date the source gives its data (not the download time)
    QHash<QString, double>
        perBase;  // units of each upper-case code per 1 unit of the base; base itself included as 1
    QString base; // "EUR" for both sources
    QByteArray etag, lastModified; // the upstream validators, for conditional requests

    friend bool operator==(const RateSnapshot&, const RateSnapshot&) = default;
};
