#include "ReplacementCurrencies.h"

#include "Bundle.h"
#include "ForeignCurrency.h"

ReplacementCurrencies ReplacementCurrencies::fromDictionary(const QVariantMap& dictionary) {
    ReplacementCurrencies table;
    const QVariantList entries = dictionary.value(QStringLiteral("replacementCurrencies")).toList();
    for (const QVariant& value : entries) {
        const QVariantMap entry = value.toMap();
        const QString code = currencyStringValue(entry, QStringLiteral("code"));
        const QString lookup = currencyStringValue(entry, QStringLiteral("lookup"));
        const auto rate = ForeignCurrency::rateFromValue(entry.value(QStringLiteral("rate")));
        // An entry that could not be used safely (no code, or a rate that would divide by zero)
        // is left out rather than corrupting every lookup of that code.
        if (code.isEmpty() || lookup.isEmpty() || !rate || !(*rate > Decimal()))
            continue;
        table.m_entries.insert(code, {code, lookup, *rate});
    }
    return table;
}

const ReplacementCurrencies& ReplacementCurrencies::shared() {
    static const ReplacementCurrencies table =
        fromDictionary(Bundle::mainBundle().dictionaryForResource(QStringLiteral("ReplacementCurrencies")));
    return table;
}

std::optional<ReplacementCurrencies::Entry> ReplacementCurrencies::entryFor(const QString& code) const {
    const auto it = m_entries.constFind(code);
    if (it == m_entries.constEnd())
        return std::nullopt;
    return *it;
}
