#pragma once

#include "Decimal.h"

#include <QHash>
#include <QString>
#include <QVariantMap>
#include <optional>

class Bundle;

// Currencies the rate service does not quote, each asked for through one it does: `rate` units of
// `code` make one unit of `lookup` (for example DEM through EUR at 1.95583).
class ReplacementCurrencies final {
public:
    struct Entry {
        QString code;
        QString lookup;
        Decimal rate;
    };

    ReplacementCurrencies() = default;
    // The "replacementCurrencies" array of a property list; malformed entries are skipped, and of two
    // entries for one code the later wins.
    static ReplacementCurrencies fromDictionary(const QVariantMap& dictionary);
    // The shipped table of the main bundle, loaded on first use and kept.
    static const ReplacementCurrencies& shared();

    std::optional<Entry> entryFor(const QString& code) const;
    qsizetype size() const { return m_entries.size(); }

private:
    QHash<QString, Entry> m_entries;
};
