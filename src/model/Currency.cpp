#include "Currency.h"

Currency::Currency(const QString& code) : m_currencyCode(code) {}

void Currency::setCurrencyCode(const QString& code) {
    m_currencyCode = code;
    emit currencyCodeChanged();
}

void Currency::setLabel(const QString& label) {
    m_label = label;
    emit labelChanged();
}

QVariantMap Currency::dictionary() const {
    QVariantMap d;
    if (!m_currencyCode.isNull())
        d.insert(kCurrencyCodeKey, m_currencyCode);
    if (!m_label.isNull())
        d.insert(kLabelKey, m_label);
    return d;
}

QString currencyStringValue(const QVariantMap& dictionary, const QString& key) {
    const QVariant v = dictionary.value(key);
    return v.typeId() == QMetaType::QString ? v.toString() : QString();
}

bool isUsableCurrencyDictionary(const QVariant& value) {
    return value.typeId() == QMetaType::QVariantMap &&
           !currencyStringValue(value.toMap(), kCurrencyCodeKey).isEmpty();
}
