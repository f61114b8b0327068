#include "CurrencyPreferences.h"

#include "Currency.h"
#include "UserDefaults.h"

#include <QTimeZone>
#include <cmath>

namespace {
const QString kAutomaticUpdatesEnabledKey = QStringLiteral("automaticUpdatesEnabled");
const QString kLocalCurrencyKey = QStringLiteral("localCurrency");
const QString kForeignCurrenciesKey = QStringLiteral("foreignCurrenciesStandard");
const QString kForeignCurrencyIndexKey = QStringLiteral("foreignCurrencyIndex");
} // namespace

CurrencyPreferences::CurrencyPreferences(UserDefaults& store, QObject* parent)
    : QObject(parent), m_store(store) {}

QDateTime CurrencyPreferences::referenceDate() {
    return QDateTime(QDate(2001, 1, 1), QTime(0, 0), QTimeZone::utc());
}

bool CurrencyPreferences::automaticUpdatesEnabled() const {
    return m_store.boolForKey(kAutomaticUpdatesEnabledKey);
}

void CurrencyPreferences::setAutomaticUpdatesEnabled(bool enabled) {
    m_store.setBool(kAutomaticUpdatesEnabledKey, enabled);
    emit changed(QStringLiteral("automaticUpdatesEnabled"));
}

std::optional<QVariantMap> CurrencyPreferences::localCurrency() const {
    // A stored value that cannot be a local currency (no dictionary, or no text code) would stop
    // every update for good: it reads as absent, so the shipped default answers.
    for (const QVariant& value :
         {m_store.objectForKey(kLocalCurrencyKey), m_store.registeredObjectForKey(kLocalCurrencyKey)}) {
        if (isUsableCurrencyDictionary(value))
            return value.toMap();
    }
    return std::nullopt;
}

void CurrencyPreferences::setLocalCurrency(const std::optional<QVariantMap>& dictionary) {
    if (dictionary)
        m_store.setObject(kLocalCurrencyKey, *dictionary);
    else
        m_store.removeObject(kLocalCurrencyKey);
    emit changed(QStringLiteral("localCurrency"));
}

std::optional<QVariantList> CurrencyPreferences::foreignCurrencies() const {
    return m_store.arrayForKey(kForeignCurrenciesKey);
}

void CurrencyPreferences::setForeignCurrencies(const std::optional<QVariantList>& dictionaries) {
    if (dictionaries)
        m_store.setObject(kForeignCurrenciesKey, *dictionaries);
    else
        m_store.removeObject(kForeignCurrenciesKey);
    emit changed(QStringLiteral("foreignCurrencies"));
}

int CurrencyPreferences::foreignCurrencyIndex() const {
    // Stored as a 32-bit integer; anything beyond that range is no valid index anyway.
    const qint64 index = m_store.integerForKey(kForeignCurrencyIndexKey);
    return static_cast<int>(
        std::clamp<qint64>(index, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

void CurrencyPreferences::setForeignCurrencyIndex(int index) {
    m_store.setInteger(kForeignCurrencyIndexKey, index);
    emit changed(QStringLiteral("foreignCurrencyIndex"));
}

QDateTime CurrencyPreferences::lastUpdate() const {
    const double seconds = m_store.doubleForKey(kLastUpdateKey);
    if (!std::isfinite(seconds) || std::abs(seconds) > 1e13)
        return referenceDate();
    return referenceDate().addMSecs(std::llround(seconds * 1000.0));
}

void CurrencyPreferences::setLastUpdate(const QDateTime& date) {
    m_store.setDouble(kLastUpdateKey, static_cast<double>(referenceDate().msecsTo(date)) / 1000.0);
    emit changed(QStringLiteral("lastUpdate"));
}
