#pragma once

#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QString>

// One source's rates as of one day: how many units of each currency one unit of the base buys.
struct RateSnapshot {
    QString source; // provider name: "ECB", "CURRENCYAPI"
    QDate date;     // the date the source gives its data (not the download time)
    QHash<QString, double>
        perBase;  // units of each upper-case code per 1 unit of the base; base itself included as 1
    QString base; // "EUR" for both sources
    QByteArray etag, lastModified; // the upstream validators, for conditional requests
};
