#pragma once

#include "RateSnapshot.h"

#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>

// Units of each currency per one unit of a common base, keyed by upper-case ISO 4217 code.
// Read from either the @fawazahmed0/currency-api JSON snapshot or a property list whose root
// dict maps code -> number (the shipped ExchangeRates.plist). The table's date is the JSON's "date",
// or for a property list, which carries none, the day the file was last written. Broken input is refused
// whole: a server that quietly answers from half a table is worse than one that does not start.
class RateTable final {
public:
    // Larger files are refused before parsing; the real snapshot is about 10 KB.
    static constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;

    static std::optional<RateTable> load(const QString& path, QString* error = nullptr);
    static std::optional<RateTable> fromJson(const QByteArray& json, QString* error = nullptr);
    static std::optional<RateTable> fromPropertyList(const QVariant& root, QString* error = nullptr);

    qsizetype size() const { return m_values.size(); }
    bool contains(const QString& code) const { return m_values.contains(code); }
    std::optional<double> value(const QString& code) const;
    QStringList codes() const; // sorted
    QDate date() const { return m_date; }

    // The table as one source's rates, dated as the table is.
    RateSnapshot snapshot(const QString& source) const;

    // value(dst) / value(src); exactly 1 for the same code; nothing when either is unknown.
    std::optional<double> convert(const QString& src, const QString& dst) const;

private:
    QHash<QString, double> m_values;
    QString m_base;
    QDate m_date;
};
