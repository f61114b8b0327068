#include "RateTable.h"

#include "PropertyList.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace {

bool isCurrencyCode(const QString& code) {
    static const QRegularExpression pattern(QStringLiteral("^[A-Z]{3}$"));
    return pattern.match(code).hasMatch();
}

bool isUsableRate(double value) {
    return std::isfinite(value) && value > 0;
}

std::optional<RateTable> refuse(QString* error, const QString& message) {
    if (error)
        *error = message;
    return std::nullopt;
}

} // namespace

std::optional<RateTable> RateTable::load(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(error, file.errorString());
    if (file.size() > kMaxFileSize)
        return refuse(error, QStringLiteral("file larger than %1 bytes").arg(kMaxFileSize));
    const QByteArray bytes = file.read(kMaxFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return refuse(error, file.errorString());
    if (bytes.trimmed().isEmpty())
        return refuse(error, QStringLiteral("empty file"));
    // A JSON snapshot is an object; anything else is left to the property-list reader, which
    // tells XML from binary itself.
    if (bytes.trimmed().startsWith('{'))
        return fromJson(bytes, error);
    const PropertyList::ReadResult plist = PropertyList::readFile(path);
    if (!plist.ok())
        return refuse(error, plist.error);
    std::optional<RateTable> table = fromPropertyList(plist.value, error);
    if (table)
        table->m_date = file.fileTime(QFileDevice::FileModificationTime).toUTC().date();
    return table;
}

std::optional<RateTable> RateTable::fromJson(const QByteArray& json, QString* error) {
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return refuse(error, QStringLiteral("invalid JSON at offset %1: %2")
                                 .arg(parseError.offset)
                                 .arg(parseError.errorString()));
    if (!document.isObject())
        return refuse(error, QStringLiteral("the JSON root is not an object"));
    QJsonObject root = document.object();
    const QDate date = QDate::fromString(root.take(QStringLiteral("date")).toString(), Qt::ISODate);
    if (root.size() != 1 || !root.begin()->isObject())
        return refuse(error, QStringLiteral("expected exactly one base-currency object beside \"date\""));

    const QString base = root.begin().key().toUpper();
    const QJsonObject rates = root.begin()->toObject();
    RateTable table;
    for (auto it = rates.begin(); it != rates.end(); ++it) {
        const QString code = it.key().toUpper();
        // The snapshot mixes in crypto tokens ("1inch", "doge"); only ISO-shaped codes are currencies.
        if (!isCurrencyCode(code))
            continue;
        if (!it->isDouble() || !isUsableRate(it->toDouble()))
            return refuse(error, QStringLiteral("the rate of %1 is not a positive number").arg(it.key()));
        if (table.m_values.contains(code))
            return refuse(error, QStringLiteral("%1 appears twice").arg(code));
        table.m_values.insert(code, it->toDouble());
    }
    if (table.m_values.isEmpty())
        return refuse(error,
                      QStringLiteral("no currency rates in the \"%1\" object").arg(root.begin().key()));
    if (isCurrencyCode(base) && !table.m_values.contains(base))
        table.m_values.insert(base, 1.0);
    table.m_base = base;
    table.m_date = date;
    return table;
}

std::optional<RateTable> RateTable::fromPropertyList(const QVariant& root, QString* error) {
    if (root.typeId() != QMetaType::QVariantMap)
        return refuse(error, QStringLiteral("the property list's root is not a dictionary"));
    const QVariantMap map = root.toMap();
    RateTable table;
    for (auto it = map.begin(); it != map.end(); ++it) {
        if (!isCurrencyCode(it.key()))
            return refuse(error, QStringLiteral("\"%1\" is not a currency code").arg(it.key()));
        // Booleans and numeric strings would convert silently; only plist integers and reals count.
        const int type = it->typeId();
        const bool numeric =
            type == QMetaType::Double || type == QMetaType::LongLong || type == QMetaType::Int;
        if (!numeric || !isUsableRate(it->toDouble()))
            return refuse(error, QStringLiteral("the rate of %1 is not a positive number").arg(it.key()));
        table.m_values.insert(it.key(), it->toDouble());
    }
    if (table.m_values.isEmpty())
        return refuse(error, QStringLiteral("no currency rates"));
    return table;
}

std::optional<double> RateTable::value(const QString& code) const {
    const auto it = m_values.constFind(code);
    if (it == m_values.constEnd())
        return std::nullopt;
    return *it;
}

QStringList RateTable::codes() const {
    QStringList codes = m_values.keys();
    std::sort(codes.begin(), codes.end());
    return codes;
}

std::optional<double> RateTable::convert(const QString& src, const QString& dst) const {
    const std::optional<double> from = value(src);
    const std::optional<double> to = value(dst);
    if (!from || !to)
        return std::nullopt;
    if (src == dst)
        return 1.0;
    return *to / *from;
}

RateSnapshot RateTable::snapshot(const QString& source) const {
    RateSnapshot snapshot;
    snapshot.source = source;
    snapshot.date = m_date;
    snapshot.perBase = m_values;
    snapshot.base = m_base;
    return snapshot;
}
