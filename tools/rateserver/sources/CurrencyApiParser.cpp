#include "CurrencyApiParser.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <algorithm>

namespace {

std::optional<RateSnapshot> failure(QString* error, const QString& reason) {
    if (error)
        *error = reason;
    return std::nullopt;
}

bool isCode(QStringView key) {
    return key.size() >= 2 && key.size() <= 12 && std::all_of(key.begin(), key.end(), [](QChar c) {
               return (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9');
           });
}

} // namespace

std::optional<RateSnapshot> CurrencyApiParser::parse(const QByteArray& json, QString* error) {
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return failure(error,
                       QStringLiteral("%1 at byte %2").arg(parseError.errorString()).arg(parseError.offset));
    if (!document.isObject())
        return failure(error, QStringLiteral("not a JSON object"));
    const QJsonObject root = document.object();

    RateSnapshot snapshot;
    snapshot.source = QStringLiteral("CURRENCYAPI");
    snapshot.base = QString::fromLatin1(kBase);
    const QString dateText = root.value(u"date").toString();
    snapshot.date = QDate::fromString(dateText, Qt::ISODate);
    if (!snapshot.date.isValid())
        return failure(error, QStringLiteral("missing or bad date '%1'").arg(dateText));
    const QString baseKey = snapshot.base.toLower();
    const QJsonValue rates = root.value(baseKey);
    if (!rates.isObject()) {
        const QStringList keys = root.keys();
        return failure(error, QStringLiteral("no '%1' object (keys: %2)").arg(baseKey, keys.join(u',')));
    }

    // Metals and crypto tokens ("xau", "1inch") are codes of this source too; anything else is noise.
    const QJsonObject object = rates.toObject();
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!it.value().isDouble() || !isCode(it.key()))
            continue;
        snapshot.perBase.insert(it.key().toUpper(), it.value().toDouble());
    }
    // The file quotes its base against itself; a value other than 1 there means a broken file.
    const auto self = snapshot.perBase.constFind(snapshot.base);
    if (self != snapshot.perBase.cend() && *self != 1.0)
        return failure(error, QStringLiteral("the base is quoted as %1 against itself").arg(*self));
    snapshot.perBase.insert(snapshot.base, 1.0);
    return snapshot;
}
