#include "ForeignCurrency.h"

#include <cmath>

namespace {

// A stored rate must be one that can be multiplied and divided by: 0, negative numbers, NaN,
// infinities and subnormal numbers (whose reciprocal overflows) come only from damaged files.
std::optional<Decimal> storedRate(const QVariant& value) {
    if ((value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float) &&
        !std::isnormal(value.toDouble()))
        return std::nullopt;
    const auto rate = ForeignCurrency::rateFromValue(value);
    if (!rate || rate->isZero() || rate->isNegative())
        return std::nullopt;
    return rate;
}

// A stored flag is true only as a boolean; anything else, or nothing, reads as false.
bool storedFlag(const QVariant& value) {
    return value.typeId() == QMetaType::Bool && value.toBool();
}

} // namespace

std::shared_ptr<ForeignCurrency> ForeignCurrency::create(const QString& code) {
    return std::shared_ptr<ForeignCurrency>(new ForeignCurrency(code));
}

std::shared_ptr<ForeignCurrency> ForeignCurrency::fromDictionary(const QVariantMap& dictionary) {
    auto record = create(currencyStringValue(dictionary, kCurrencyCodeKey));
    record->setLabel(currencyStringValue(dictionary, kLabelKey));
    record->setRate(storedRate(dictionary.value(kExchangeRateKey)));
    const QVariant lastUpdate = dictionary.value(kLastUpdateKey);
    if (lastUpdate.typeId() == QMetaType::QDateTime)
        record->setLastUpdate(lastUpdate.toDateTime());
    record->setUserRate(storedFlag(dictionary.value(kUserRateKey)));
    record->setKeepsRate(storedFlag(dictionary.value(kKeepsRateKey)));
    return record;
}

ForeignCurrency::List ForeignCurrency::foreignCurrencyWithDictionaries(const QVariantList& dictionaries) {
    List list;
    for (const QVariant& entry : dictionaries)
        if (isUsableCurrencyDictionary(entry))
            list.append(fromDictionary(entry.toMap()));
    return list;
}

void ForeignCurrency::setRate(std::optional<Decimal> rate) {
    m_rate = rate;
    emit rateChanged();
}

void ForeignCurrency::setLastUpdate(const QDateTime& lastUpdate) {
    m_lastUpdate = lastUpdate;
    emit lastUpdateChanged();
}

void ForeignCurrency::setUserRate(bool userRate) {
    m_userRate = userRate;
    emit userRateChanged();
}

void ForeignCurrency::setKeepsRate(bool keepsRate) {
    m_keepsRate = keepsRate;
    emit keepsRateChanged();
}

void ForeignCurrency::setTypedRate(const Decimal& rate) {
    // The flag first, so that whoever redraws on the rate or the date already sees whose rate it is.
    setUserRate(true);
    setRate(rate);
    setLastUpdate({});
}

bool ForeignCurrency::takeDownloadedRate(const Decimal& rate, const QDateTime& when) {
    if (m_keepsRate)
        return false;
    setUserRate(false);
    setRate(rate);
    setLastUpdate(when);
    return true;
}

QVariantMap ForeignCurrency::dictionary() const {
    QVariantMap d = Currency::dictionary();
    if (m_rate)
        d.insert(kExchangeRateKey, valueFromRate(*m_rate));
    if (m_lastUpdate.isValid())
        d.insert(kLastUpdateKey, m_lastUpdate.toUTC());
    if (m_userRate)
        d.insert(kUserRateKey, true);
    if (m_keepsRate)
        d.insert(kKeepsRateKey, true);
    return d;
}

std::optional<Decimal> ForeignCurrency::rateFromValue(const QVariant& value) {
    Decimal rate;
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
        rate = Decimal::fromInteger(value.toLongLong());
        break;
    case QMetaType::ULongLong:
        rate = Decimal::fromString(QString::number(value.toULongLong()));
        break;
    case QMetaType::Double:
    case QMetaType::Float:
        rate = Decimal::fromDouble(value.toDouble());
        break;
    default:
        if (value.metaType() != QMetaType::fromType<Decimal>())
            return std::nullopt;
        rate = value.value<Decimal>();
    }
    if (rate.isNaN())
        return std::nullopt;
    return rate;
}

QVariant ForeignCurrency::valueFromRate(const Decimal& rate) {
    if (const auto integer = rate.toInteger())
        return QVariant::fromValue<qint64>(*integer);
    return rate.toDouble();
}
